#pragma once

#include "RecordWriter.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

class GaugeSession;
class RecordStore;
struct LiveRecord;

// Keeps every live run of a session as a batch of the store: the batch begins with the run's
// first slice of readings (with a copy of its area's criteria, or of the settings' criteria
// when Unfiled), its readings are added, and the batch ends with the run. A store that cannot
// be written is told once; the run goes on into its session file, which the store takes in
// later.
//
// Written at once, each slice is committed in one transaction before its readings are
// announced. Written aside, the readings of a run whose session file holds them are written on a
// thread of their own about once a second, and at once when the run stops, loses its port or
// its file, or the recorder goes; a crash loses none of them, since the store takes in from the
// session file what it missed.
class LiveRecorder : public QObject
{
    Q_OBJECT
public:
    // How long readings to be written aside wait, at most.
    static constexpr int GatherMs = 1000;

    LiveRecorder(RecordStore *store, GaugeSession *session,
                 RecordWriter::Where where = RecordWriter::Where::AtOnce,
                 QObject *parent = nullptr);
    ~LiveRecorder() override;

    // Where the next batch goes (empty: Unfiled), and with which gauge.
    void SetArea(const QString &areaUuid) { m_areaUuid = areaUuid; }
    void SetGauge(const QString &gaugeUuid) { m_gaugeUuid = gaugeUuid; }
    QString AreaUuid() const { return m_areaUuid; }
    QString GaugeUuid() const { return m_gaugeUuid; }
    // Records at most that many readings of a run (0: all), for a run cut off at a count.
    void SetReadingLimit(qint64 limit) { m_limit = limit; }
    // The batch of the current run, or of the last one; empty before it was begun.
    QString BatchUuid() const { return m_batchUuid; }

signals:
    void BatchBegun(const QString &batchUuid);
    void BatchEnded(const QString &batchUuid);
    void StoreFailed(const QString &problem);

private:
    void On_SliceRecorded(const QVector<LiveRecord> &records);
    void On_RunEnded();
    void On_Begun(const QString &batchUuid);
    void Flush();
    void Failed(const QString &problem);

    RecordStore *m_store;
    GaugeSession *m_session;
    RecordWriter m_writer;
    RecordWriter::Where m_where;
    QVector<LiveRecord> m_gathered;
    QTimer m_gatherTimer;
    QString m_areaUuid;
    QString m_gaugeUuid;
    QString m_batchUuid;
    qint64 m_limit = 0;
    bool m_inRun = false;
    bool m_told = false;
};
