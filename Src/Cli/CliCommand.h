#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

class CliConsole;
class QCommandLineParser;

// One command of the command line program ("ports", "download", ...): its options, its help
// and its work. Run() parses the arguments after the command's name, answers --help and hands
// the rest to Execute().
class CliCommand
{
public:
    enum ExitStatus
    {
        Success = 0,
        // The readings fail the rule they are judged by.
        VerdictFail = 1,
        // Unknown command or option, missing or bad argument, output that cannot be written.
        UsageError = 2,
        // The port cannot be opened, the gauge does not answer in time, the device is lost.
        DeviceError = 3,
        // The records file cannot be opened or written.
        StoreError = 4,
        // The team server cannot be reached, refuses the login or the work, or holds no store
        // this program can work with.
        ServerError = 5
    };

    virtual ~CliCommand() = default;

    virtual QString Name() const = 0;
    // One line for the program's list of commands.
    virtual QString Summary() const = 0;
    // What follows the name on the usage line: "--port NAME [--output FILE]".
    virtual QString Synopsis() const = 0;
    // Without --help, which every command has.
    virtual QList<QCommandLineOption> Options() const = 0;
    // The name of the one argument that is not an option ("FILE"); empty for a command that
    // takes none.
    virtual QString ArgumentName() const { return QString(); }
    // Whether more arguments may follow the first.
    virtual bool TakesMoreArguments() const { return false; }
    // Whether the command can do without its argument (it is told what to do by options).
    virtual bool ArgumentOptional() const { return false; }

    int Run(const QStringList &arguments, CliConsole &console);
    // --store PATH, which every command takes: the records file to use instead of the usual.
    static const QCommandLineOption &StoreOption();
    // The records file the parsed arguments name.
    static QString StorePath(const QCommandLineParser &parser);
    QString HelpText() const;

protected:
    // "name: message" on the error output and a pointer to the help; returns UsageError.
    int UsageFailure(CliConsole &console, const QString &message) const;
    // The paragraphs of the help under the usage line.
    virtual QString Description() const = 0;
    // Called with the parsed arguments; returns the exit status.
    virtual int Execute(const QCommandLineParser &parser, CliConsole &console) = 0;

    // Writes a result to the file outputPath as a whole or not at all, or to the standard
    // output when outputPath is empty. Returns Success, or UsageError after saying why not.
    static int WriteResult(CliConsole &console, const QString &outputPath, const QByteArray &bytes,
                           bool platformLineEnds);
};
