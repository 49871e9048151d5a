#include "RecordsReader.h"

#include "RecordStore.h"

RecordsReader::RecordsReader(const QString &path, QObject *parent) : QObject(parent), m_path(path)
{
    m_worker.moveToThread(&m_thread);
    m_thread.start(QThread::LowPriority);
}

RecordsReader::~RecordsReader()
{
    // Whatever is still queued returns at once; the connection is closed on its own thread.
    ++m_seriesRequest;
    ++m_areaRequest;
    QMetaObject::invokeMethod(
        &m_worker, [this] { m_store.reset(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

RecordStore &RecordsReader::Store()
{
    if (!m_store) {
        m_store = std::make_unique<RecordStore>();
        m_store->Open(m_path);
    }
    return *m_store;
}

void RecordsReader::ReadSeries(const QString &batchUuid, int unitCode)
{
    const int request = ++m_seriesRequest;
    QMetaObject::invokeMethod(&m_worker, [this, request, batchUuid, unitCode] {
        const auto current = [this, request] { return request == m_seriesRequest; };
        if (!current())
            return;
        const QVector<float> values = Store().Values(batchUuid, unitCode, current);
        QMetaObject::invokeMethod(this, [this, current, batchUuid, values] {
            if (current())
                emit SeriesRead(batchUuid, values);
        });
    });
}

void RecordsReader::InspectArea(const QString &areaUuid, const QStringList &batchUuids)
{
    const int request = ++m_areaRequest;
    QMetaObject::invokeMethod(&m_worker, [this, request, areaUuid, batchUuids] {
        const auto current = [this, request] { return request == m_areaRequest; };
        if (!current())
            return;
        const SeriesInspection inspection = Store().InspectArea(areaUuid, batchUuids);
        QMetaObject::invokeMethod(this, [this, current, areaUuid, inspection] {
            if (current())
                emit AreaInspected(areaUuid, inspection);
        });
    });
}
