#include "KesStyle.h"

#include <QApplication>
#include <QFile>
#include <QStyle>
#include <QWidget>

QString KesStyle::StyleSheet(const QString &className)
{
    QFile file(QStringLiteral(":/qss/White/%1.css").arg(className));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.readAll();
    const int end = bytes.indexOf('\0');
    return QString::fromUtf8(end < 0 ? bytes : bytes.left(end));
}

void KesStyle::SetState(QWidget *widget, const QString &state)
{
    widget->setProperty("State", state);
    widget->setStyle(QApplication::style());
}
