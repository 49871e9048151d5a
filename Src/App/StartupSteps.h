#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QWidget;

// Start-up steps of the program that need no window, kept apart so that main() stays short.
class StartupSteps
{
public:
    // The error output may be a pipe that nobody reads or whose reader is gone: diagnostics
    // are written off the calling thread, and a closed pipe does not end the process.
    static void DecoupleErrorOutput();

    // Registers every readable "*.ttc" file of the folder in name order; each file that yields
    // a family makes that family the application font, so the last such file wins. Returns
    // the family set last, empty when none was.
    static QString LoadFontFolder(const QString &fontDir);

    // The port lists of port discovery cross threads in queued signals.
    static void RegisterSerialMetaTypes();

    // The ports given with "--port NAME": offered in the port box whenever their device
    // exists, whatever their USB identifiers. "--help" prints the usage and ends the process.
    static QStringList UserPortsFromCommandLine(const QCoreApplication &app);

    // With VARNOLITHIC_STARTUP_MARK set, prints one line to the error output when the window
    // is first painted: start-up measurements wait for it. Nothing changes for a user.
    static void MarkFirstPaintWhenAsked(QWidget *window);
};
