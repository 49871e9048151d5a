#pragma once

#include <QString>
#include <QStringList>

class AppPaths;
class QCoreApplication;
class QObject;
class QWidget;
class SingleApplication;

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
    // Every folder in turn, then the stand-in for the style sheets' font (InterfaceFont).
    static void LoadFonts(const QStringList &fontDirs);

    // The port lists of port discovery cross threads in queued signals.
    static void RegisterSerialMetaTypes();

    // "--help" and "--version" print on the console and end the process, and a command line
    // with an unknown option or a missing value is told and ends it with status 2. None of
    // this needs a display, so it runs before the application object is built.
    static void AnswerInfoOptions(int &argc, char **argv);
    static QStringList Arguments(int argc, char **argv);

    // The ports given with "--port NAME": offered in the port box whenever their device
    // exists, whatever their USB identifiers. A malformed command line ends the process.
    static QStringList UserPortsFromCommandLine(const QCoreApplication &app);
    static QStringList UserPortsFromArguments(const QStringList &arguments);

    // A later start hands over its command line: its ports join port discovery and the
    // window comes to the front.
    static void AcceptLaterStarts(SingleApplication &app, QWidget *window);
    static void BringToFront(QWidget *window);

    // SIGTERM, SIGINT and SIGHUP end the event loop as closing the window does, so that the
    // window's end stops the gauge and syncs the run's file. Lasts as long as owner.
    static void EndOnSignals(QObject *owner);

    // The log file goes where the layout keeps the user's files.
    static void PlaceLogFile(const AppPaths &paths);
    // Tells the user once when the settings file was found damaged, names no usable save
    // folder, or holds inspection values that were refused.
    static void TellAboutDamagedSettings(QWidget *window);

    // With VARNOLITHIC_STARTUP_MARK set, prints one line to the error output when the window
    // is first painted: start-up measurements wait for it. Nothing changes for a user.
    static void MarkFirstPaintWhenAsked(QWidget *window);
};
