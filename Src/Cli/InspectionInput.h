#pragma once

#include "InspectionCriteria.h"
#include "ReadingsCsv.h"
#include "SeriesInspection.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;

// What "stats" and "report" judge: the readings of a session or download CSV file (all of
// them, or one memory group) and the criteria given by the options, with the limits in the unit
// of the file's values.
class InspectionInput
{
public:
    // --group and the options of the criteria.
    static QList<QCommandLineOption> Options();
    // Their part of a command's usage line.
    static QString Synopsis();
    // How the readings are read and judged, for a command's help.
    static QString Description();

    // Reads the options, then the file; returns what is wrong (with the file's line where the
    // file is at fault), or an empty text when all is read.
    QString Read(const QCommandLineParser &parser, const QString &path);

    const QString &Path() const { return m_path; }
    ReadingsCsv::Kind Kind() const { return m_kind; }
    int Group() const { return m_group; }
    const ReadingsCsv::Selection &Readings() const { return m_readings; }
    // The criteria in the unit of the file's values.
    const InspectionCriteria &Criteria() const { return m_criteria; }
    // The figures and the verdict of the readings.
    SeriesInspection Inspect() const;
    // The command's exit status for the verdict: VerdictFail when the readings fail, else
    // Success.
    static int ExitStatus(const InspectionVerdict &verdict);

private:
    QString ReadCriteria(const QCommandLineParser &parser);
    QString ReadFile();

    QString m_path;
    ReadingsCsv::Kind m_kind = ReadingsCsv::Kind::Session;
    int m_group = -1;
    ReadingsCsv::Selection m_readings;
    InspectionCriteria m_criteria;
};
