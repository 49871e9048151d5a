#pragma once

#include <QString>
#include <QStringList>

// The style sheets ask for "SimSun", which only Windows has. Elsewhere a sans-serif family
// that also covers Chinese stands in for it, so that both languages read well instead of
// falling back to whatever the system matches for an unknown name (a serif font, often).
class InterfaceFont
{
public:
    static const QString Specified;
    // Installed families that cover Chinese, best first.
    static const QStringList Candidates;

    // The family to put in place of the specified one; empty when the specified family is
    // installed or nothing fits. A family loaded from the font folder is preferred.
    static QString StandIn(const QStringList &installed, const QString &folderFamily);
    // Applies StandIn over the installed families: substitution and application font.
    // Returns the family used, empty when nothing changed.
    static QString Apply(const QString &folderFamily);
};
