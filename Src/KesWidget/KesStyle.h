#pragma once

#include <QString>

class QWidget;

// The compiled-in look of the windows and pages, and the "State" property the style sheets
// select on.
class KesStyle
{
public:
    // The style sheet of a window or page class (":/qss/White/<className>.css"), up to its
    // first NUL byte; empty when it cannot be read.
    static QString StyleSheet(const QString &className);

    // Sets the "State" property and re-applies the style so the sheet's selectors see it.
    static void SetState(QWidget *widget, const QString &state);
};
