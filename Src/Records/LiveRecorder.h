#pragma once

#include <QObject>
#include <QString>
#include <QVector>

class GaugeSession;
class RecordStore;
struct LiveRecord;

// Keeps every live run of a session as a batch of the store: the batch begins with the run's
// first slice of readings (with a copy of its area's criteria, or of the settings' criteria
// when Unfiled), each slice is added in one transaction before its readings are announced, and
// the batch ends with the run. A store that cannot be written is told once; the run goes on
// into its session file, which the store takes in later.
class LiveRecorder : public QObject
{
    Q_OBJECT
public:
    LiveRecorder(RecordStore *store, GaugeSession *session, QObject *parent = nullptr);

    // Where the next batch goes (empty: Unfiled), and with which gauge.
    void SetArea(const QString &areaUuid) { m_areaUuid = areaUuid; }
    void SetGauge(const QString &gaugeUuid) { m_gaugeUuid = gaugeUuid; }
    QString AreaUuid() const { return m_areaUuid; }
    QString GaugeUuid() const { return m_gaugeUuid; }
    // Records at most that many readings of a run (0: all), for a run cut off at a count.
    void SetReadingLimit(qint64 limit) { m_limit = limit; }
    // The batch of the current run, or of the last one; empty before the first reading.
    QString BatchUuid() const { return m_batchUuid; }

signals:
    void BatchBegun(const QString &batchUuid);
    void BatchEnded(const QString &batchUuid);
    void StoreFailed(const QString &problem);

private:
    void On_SliceRecorded(const QVector<LiveRecord> &records);
    void On_RunEnded();
    void Failed();

    RecordStore *m_store;
    GaugeSession *m_session;
    QString m_areaUuid;
    QString m_gaugeUuid;
    QString m_batchUuid;
    qint64 m_limit = 0;
    bool m_inRun = false;
    bool m_told = false;
};
