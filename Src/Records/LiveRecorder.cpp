#include "LiveRecorder.h"

#include "BatchOrigin.h"
#include "GaugeSession.h"
#include "InspectionSettings.h"
#include "RecordStore.h"

LiveRecorder::LiveRecorder(RecordStore *store, GaugeSession *session, RecordWriter::Where where,
                           QObject *parent)
    : QObject(parent), m_store(store), m_session(session), m_writer(store, where), m_where(where)
{
    m_gatherTimer.setSingleShot(true);
    m_gatherTimer.setInterval(GatherMs);
    connect(&m_gatherTimer, &QTimer::timeout, this, &LiveRecorder::Flush);
    connect(session, &GaugeSession::SliceRecorded, this, &LiveRecorder::On_SliceRecorded);
    connect(session, &GaugeSession::RunEnded, this, &LiveRecorder::On_RunEnded);
    connect(session, &GaugeSession::LiveChanged, this, [this](bool live) {
        if (!live)
            Flush();
    });
    connect(&m_writer, &RecordWriter::Begun, this, &LiveRecorder::On_Begun);
    connect(&m_writer, &RecordWriter::Ended, this, &LiveRecorder::BatchEnded);
    connect(&m_writer, &RecordWriter::Failed, this, &LiveRecorder::Failed);
}

LiveRecorder::~LiveRecorder()
{
    // The writer, destroyed after this, writes what it was given.
    Flush();
}

void LiveRecorder::On_SliceRecorded(const QVector<LiveRecord> &records)
{
    if (!m_store->IsWritable())
        return Failed(m_store->Problem());
    if (!m_inRun) {
        RecordBatch batch;
        batch.areaUuid = m_areaUuid;
        batch.source = RecordBatch::Source::Live;
        batch.started = records.first().arrival;
        batch.port = m_session->PortName();
        batch.gaugeUuid = m_gaugeUuid;
        batch.criteria = InspectionSettings::Load();
        m_inRun = true;
        m_writer.Begin(batch, BatchOrigin::OfRun(records.first()));
    }
    const bool limited = m_limit > 0 && records.last().index > m_limit;
    m_gathered += limited
                      ? records.mid(0, int(qMax<qint64>(0, m_limit - records.first().index + 1)))
                      : records;
    // The readings wait only while the session file holds them and the run goes on.
    if (m_where == RecordWriter::Where::AtOnce || !m_session->IsJournalled() ||
        m_session->RunUnsaved() || !m_session->IsLive())
        Flush();
    else if (!m_gatherTimer.isActive())
        m_gatherTimer.start();
}

void LiveRecorder::On_RunEnded()
{
    if (!m_inRun)
        return;
    m_inRun = false;
    Flush();
    m_writer.End(QDateTime::currentDateTime());
}

void LiveRecorder::On_Begun(const QString &batchUuid)
{
    m_batchUuid = batchUuid;
    emit BatchBegun(batchUuid);
}

void LiveRecorder::Flush()
{
    m_gatherTimer.stop();
    if (m_gathered.isEmpty())
        return;
    QVector<LiveRecord> records;
    records.swap(m_gathered);
    m_writer.Append(records);
}

void LiveRecorder::Failed(const QString &problem)
{
    if (m_told)
        return;
    m_told = true;
    emit StoreFailed(problem);
}
