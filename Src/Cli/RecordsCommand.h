#pragma once

#include "CliCommand.h"

#include <QJsonObject>

class RecordStore;
struct RecordBatch;

// "records": the batches of the records file, listed and filtered (list), one of them with its
// readings (show ID), a job written out as a workbook or an exchange file (export), and
// session files or exchange files taken in (import FILE...).
class RecordsCommand : public CliCommand
{
public:
    QString Name() const override { return QStringLiteral("records"); }
    QString Summary() const override;
    QString Synopsis() const override;
    QList<QCommandLineOption> Options() const override;
    QString ArgumentName() const override { return QStringLiteral("ACTION"); }
    bool TakesMoreArguments() const override { return true; }

    // A batch as the list's JSON has it.
    static QJsonObject BatchObject(const RecordBatch &batch);

protected:
    QString Description() const override;
    int Execute(const QCommandLineParser &parser, CliConsole &console) override;

private:
    int List(const QCommandLineParser &parser, RecordStore &store, CliConsole &console);
    int Show(const QCommandLineParser &parser, RecordStore &store, CliConsole &console);
    int Import(const QCommandLineParser &parser, RecordStore &store, CliConsole &console);
    int Export(const QCommandLineParser &parser, RecordStore &store, CliConsole &console);
    // Merges one exchange file into the store; the exit status.
    static int ImportExchange(const QString &path, RecordStore &store, CliConsole &console);
};
