#include "StartupSteps.h"

#include "KesDebugOutput.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QList>
#include <QSerialPortInfo>
#include <QWidget>

#include <csignal>
#include <cstdio>

void StartupSteps::DecoupleErrorOutput()
{
#ifdef Q_OS_UNIX
    std::signal(SIGPIPE, SIG_IGN);
    KesDebugOutput::Install();
#endif
}

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

QStringList StartupSteps::UserPortsFromCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Companion for a coating-thickness gauge on a serial adapter."));
    parser.addHelpOption();
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Offer the serial port NAME (ttyUSB0, COM3, or a path such as a link to "
                       "a pseudo-terminal) whenever it exists, whatever its USB identifiers. "
                       "May be given more than once."),
        QStringLiteral("NAME"));
    parser.addOption(port);
    parser.process(app);
    return parser.values(port);
}

namespace {
class FirstPaintMark : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            std::fputs("varnolithic: main window painted\n", stderr);
            std::fflush(stderr);
            deleteLater();
        }
        return false;
    }
};
} // namespace

void StartupSteps::MarkFirstPaintWhenAsked(QWidget *window)
{
    if (qEnvironmentVariableIsSet("VARNOLITHIC_STARTUP_MARK"))
        window->installEventFilter(new FirstPaintMark(window));
}
