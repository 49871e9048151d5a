#pragma once

#include "CliCommand.h"
#include "LogRecord.h"
#include "PortOpenFailure.h"

#include <QByteArray>
#include <QMap>

#include <optional>

// "download": opens the gauge's port as the window does, asks once for the whole memory and
// writes its readings as the window's export text, as CSV or as JSON.
class DownloadCommand : public CliCommand
{
public:
    enum class Format
    {
        Text,
        Csv,
        Json
    };

    QString Name() const override { return QStringLiteral("download"); }
    QString Summary() const override;
    QString Synopsis() const override;
    QList<QCommandLineOption> Options() const override;

    // "txt", "csv" or "json".
    static std::optional<Format> ParseFormat(const QString &name);
    // The memory in the format: "txt" is byte for byte the window's export file (its English
    // column titles), before the platform's line ends.
    static QByteArray Document(Format format, const QMap<int, QList<LogRecord>> &groups);
    // The system's reason, and for a permission error on Linux how to get the permission.
    static QString OpenFailureMessage(const PortOpenFailure &failure);

protected:
    QString Description() const override;
    int Execute(const QCommandLineParser &parser, CliConsole &console) override;

private:
    // Opens the port, asks for the memory and reads it into groups; returns the exit status,
    // after saying what went wrong.
    static int Download(const QString &portName, QMap<int, QList<LogRecord>> &groups,
                        CliConsole &console);
};
