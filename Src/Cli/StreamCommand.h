#pragma once

#include "CliCommand.h"

// "stream": the gauge's live readings as the session file's lines, one per reading as it
// arrives, until a count, a time or a stop signal; the gauge is always told to stop.
class StreamCommand : public CliCommand
{
public:
    QString Name() const override { return QStringLiteral("stream"); }
    QString Summary() const override;
    QString Synopsis() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    QString Description() const override;
    int Execute(const QCommandLineParser &parser, CliConsole &console) override;
};
