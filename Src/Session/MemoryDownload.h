#pragma once

#include "InspectionCriteria.h"
#include "LiveRecord.h"
#include "LogRecord.h"
#include "SeriesInspection.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QVector>

// The last download of the gauge's memory, kept after its export: the frames as they came, and
// groups 1 to 4 (frame 0 is left out, as in the text export) as the window shows them, with
// their figures judged against the criteria, per group and all together.
//
// A group is shown in its frame's unit, with the export's value texts. A known unit with a
// thickness outside the range a live reading has is an overflow, as it would be live: counted
// apart, never in the figures. All groups together are shown in the unit they share, in
// micrometres when they differ.
class MemoryDownload
{
    Q_DECLARE_TR_FUNCTIONS(MemoryDownload)

public:
    static constexpr int FirstGroup = 1;
    static constexpr int LastGroup = 4;
    // In place of a group number: all groups together.
    static constexpr int AllGroups = 0;

    MemoryDownload() = default;
    MemoryDownload(const QMap<int, QList<LogRecord>> &frames, const QDateTime &time,
                   const QString &port = QString());

    // No download has completed yet.
    bool IsEmpty() const { return !m_time.isValid(); }
    const QMap<int, QList<LogRecord>> &Frames() const { return m_frames; }
    QDateTime Time() const { return m_time; }
    // The port the gauge was read on; empty when not known.
    QString Port() const { return m_port; }
    // Groups 1 to 4 that hold readings, in order.
    QList<int> Groups() const;
    // The unit a group, or all groups together, is shown in.
    int UnitCode(int group) const;
    // The readings of a group as shown, numbered from 1; all groups numbered on in group order.
    QVector<LiveRecord> Records(int group) const;
    // The figures and the verdict of a group, or of all groups together, in its unit.
    SeriesInspection Inspect(int group, const InspectionCriteria &criteria) const;
    // The files the download was saved as (text export, CSV), in order.
    const QStringList &SavedFiles() const { return m_savedFiles; }
    void AddSavedFile(const QString &path) { m_savedFiles.append(path); }

private:
    QList<LogRecord> Readings(int group) const;

    QMap<int, QList<LogRecord>> m_frames;
    QDateTime m_time;
    QString m_port;
    QStringList m_savedFiles;
};
