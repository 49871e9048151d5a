#pragma once

#include "SeriesInspection.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVector>

#include <atomic>
#include <memory>

class RecordStore;

// Reads from the records file what can take longer than a frame (a large batch's values for its
// chart, an area's readings for its figures) on a thread of its own, with a connection of its
// own. Of each kind of request only the latest is answered: one superseded while being read is
// stopped or its answer dropped.
class RecordsReader : public QObject
{
    Q_OBJECT
public:
    explicit RecordsReader(const QString &path, QObject *parent = nullptr);
    ~RecordsReader() override;

    // The values of the batch's readings in that unit, in index order.
    void ReadSeries(const QString &batchUuid, int unitCode);
    // The figures of the area's batches (all, or those listed) by the area's criteria.
    void InspectArea(const QString &areaUuid, const QStringList &batchUuids);

signals:
    void SeriesRead(const QString &batchUuid, const QVector<float> &values);
    void AreaInspected(const QString &areaUuid, const SeriesInspection &inspection);

private:
    // The connection of the reading thread, opened there when first needed.
    RecordStore &Store();

    QString m_path;
    QThread m_thread;
    QObject m_worker; // lives on m_thread: what is queued to it runs there
    std::unique_ptr<RecordStore> m_store;
    std::atomic<int> m_seriesRequest{0};
    std::atomic<int> m_areaRequest{0};
};
