#include "StartupSteps.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QList>
#include <QSerialPortInfo>

QString StartupSteps::LoadFontFolder(const QString &fontDir)
{
    qDebug() << fontDir;
    const QStringList files = QDir(fontDir).entryList({QStringLiteral("*.ttc")},
                                                      QDir::Files | QDir::Readable, QDir::Name);
    qDebug() << files;

    QString applicationFamily;
    for (const QString &file : files) {
        const int id = QFontDatabase::addApplicationFont(fontDir + QLatin1Char('/') + file);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        qDebug() << families;
        if (families.isEmpty()) {
            qDebug() << "Failed to load font.";
            continue;
        }
        applicationFamily = families.first();
        QApplication::setFont(QFont(applicationFamily));
    }
    return applicationFamily;
}

void StartupSteps::RegisterSerialMetaTypes()
{
    qRegisterMetaType<QSerialPortInfo>("QSerialPortInfo");
    qRegisterMetaType<QList<QSerialPortInfo>>("QList<QSerialPortInfo>");
}
