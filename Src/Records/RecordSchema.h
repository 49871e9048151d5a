#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class QSqlDatabase;

// The tables of the records file and the steps that bring a file of any earlier version up to
// the current one. The version is SQLite's user_version; 0 is a new, empty file. Every step
// runs in one transaction with the version it reaches, so a file is always at one version.
//
// Jobs, areas, gauges, batches, verifications and evaluations have a UUID (the key shared with
// other machines) beside the local integer key. Readings are keyed by their batch and index and
// never change; what the user marks on them (note, exclusion) lives apart. Every change of a
// keyed row is added to the outbox, whose sequence tells "what changed since".
class RecordSchema
{
public:
    static int CurrentVersion();
    // The statements that take a file from version `version - 1` to `version`.
    static QStringList Step(int version);
    static int VersionOf(const QSqlDatabase &db);
    // Runs the steps from the file's version up to `target`; an empty text, or what failed.
    static QString Migrate(QSqlDatabase &db, int target);

private:
    static const QVector<QStringList> &Steps();
};
