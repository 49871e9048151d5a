#include "LiveRecorder.h"

#include "BatchOrigin.h"
#include "GaugeSession.h"
#include "InspectionSettings.h"
#include "RecordStore.h"

LiveRecorder::LiveRecorder(RecordStore *store, GaugeSession *session, QObject *parent)
    : QObject(parent), m_store(store), m_session(session)
{
    connect(session, &GaugeSession::SliceRecorded, this, &LiveRecorder::On_SliceRecorded);
    connect(session, &GaugeSession::RunEnded, this, &LiveRecorder::On_RunEnded);
}

void LiveRecorder::On_SliceRecorded(const QVector<LiveRecord> &records)
{
    if (!m_store->IsWritable())
        return Failed();
    if (!m_inRun) {
        RecordBatch batch;
        batch.areaUuid = m_areaUuid;
        batch.source = RecordBatch::Source::Live;
        batch.started = records.first().arrival;
        batch.port = m_session->PortName();
        batch.gaugeUuid = m_gaugeUuid;
        batch.criteria = InspectionSettings::Load();
        const QString uuid = m_store->BeginBatch(batch, BatchOrigin::OfRun(records.first()));
        if (uuid.isEmpty())
            return Failed();
        m_batchUuid = uuid;
        m_inRun = true;
        emit BatchBegun(uuid);
    }
    const bool limited = m_limit > 0 && records.last().index > m_limit;
    const QVector<LiveRecord> kept =
        limited ? records.mid(0, int(qMax<qint64>(0, m_limit - records.first().index + 1)))
                : records;
    if (!kept.isEmpty() && !m_store->AppendReadings(m_batchUuid, kept))
        Failed();
}

void LiveRecorder::On_RunEnded()
{
    if (!m_inRun)
        return;
    m_inRun = false;
    if (m_store->IsWritable() && !m_store->EndBatch(m_batchUuid, QDateTime::currentDateTime()))
        Failed();
    emit BatchEnded(m_batchUuid);
}

void LiveRecorder::Failed()
{
    if (m_told)
        return;
    m_told = true;
    emit StoreFailed(m_store->Problem());
}
