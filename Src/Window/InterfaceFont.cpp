#include "InterfaceFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

const QString InterfaceFont::Specified = QStringLiteral("SimSun");

const QStringList InterfaceFont::Candidates = {
    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("Source Han Sans SC"),  QStringLiteral("WenQuanYi Zen Hei"),
    QStringLiteral("Droid Sans Fallback"),
};

QString InterfaceFont::StandIn(const QStringList &installed, const QString &folderFamily)
{
    const auto has = [&installed](const QString &family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    if (has(Specified))
        return QString();
    if (!folderFamily.isEmpty())
        return folderFamily;
    for (const QString &family : Candidates) {
        if (has(family))
            return family;
    }
    return QString();
}

QString InterfaceFont::Apply(const QString &folderFamily)
{
    const QString family = StandIn(QFontDatabase().families(), folderFamily);
    if (family.isEmpty())
        return family;
    QFont::insertSubstitution(Specified, family);
    QApplication::setFont(QFont(family));
    return family;
}
