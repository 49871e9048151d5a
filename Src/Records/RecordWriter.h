#pragma once

#include "LiveRecord.h"
#include "RecordItems.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

class QThread;
class RecordStore;

// Writes the batch of a live run: begun, added to, ended, in the order asked for. Either at
// once into a store of the caller's thread, so that a reading is committed when the call
// returns; or on a thread of its own with a connection of its own to that store's file (opened
// with the first write), so that the caller never waits for the file. What it was asked to
// write is written before it is destroyed.
class RecordWriter : public QObject
{
    Q_OBJECT
public:
    enum class Where
    {
        AtOnce,
        Aside
    };

    RecordWriter(RecordStore *store, Where where, QObject *parent = nullptr);
    ~RecordWriter() override;

    // A new batch; the readings and the end that follow go to it. When it cannot be begun,
    // they are dropped (the failure is told once).
    void Begin(const RecordBatch &batch, const QString &origin);
    void Append(const QVector<LiveRecord> &records);
    void End(const QDateTime &ended);

signals:
    void Begun(const QString &batchUuid);
    // Also when the end could not be written.
    void Ended(const QString &batchUuid);
    void Failed(const QString &problem);

private:
    // What the writing thread knows; touched by the jobs only.
    struct Writing
    {
        RecordStore *store = nullptr;
        std::unique_ptr<RecordStore> own;
        QString batchUuid;
    };

    void Run(std::function<void(Writing &)> job);
    void Fail(Writing &writing);
    // Tells the caller's thread, from whichever thread writes.
    void Tell(std::function<void()> telling);

    void Start();

    RecordStore *m_store;
    Where m_where;
    std::unique_ptr<Writing> m_writing;
    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr;
};
