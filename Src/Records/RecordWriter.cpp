#include "RecordWriter.h"

#include "RecordStore.h"

#include <QThread>

RecordWriter::RecordWriter(RecordStore *store, Where where, QObject *parent)
    : QObject(parent), m_store(store), m_where(where), m_writing(std::make_unique<Writing>())
{
    if (where == Where::AtOnce)
        m_writing->store = store;
}

RecordWriter::~RecordWriter()
{
    if (!m_thread)
        return;
    // Returns once every job asked for before has run; the connection closes on its thread.
    QMetaObject::invokeMethod(
        m_worker, [writing = m_writing.get()] { writing->own.reset(); },
        Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_worker;
}

void RecordWriter::Begin(const RecordBatch &batch, const QString &origin)
{
    Run([this, batch, origin](Writing &writing) {
        writing.batchUuid =
            writing.store->IsWritable() ? writing.store->BeginBatch(batch, origin) : QString();
        if (writing.batchUuid.isEmpty())
            return Fail(writing);
        Tell([this, uuid = writing.batchUuid] { emit Begun(uuid); });
    });
}

void RecordWriter::Append(const QVector<LiveRecord> &records)
{
    Run([this, records](Writing &writing) {
        if (!writing.batchUuid.isEmpty() &&
            !writing.store->AppendReadings(writing.batchUuid, records))
            Fail(writing);
    });
}

void RecordWriter::End(const QDateTime &ended)
{
    Run([this, ended](Writing &writing) {
        if (writing.batchUuid.isEmpty())
            return;
        if (writing.store->IsWritable() && !writing.store->EndBatch(writing.batchUuid, ended))
            Fail(writing);
        Tell([this, uuid = writing.batchUuid] { emit Ended(uuid); });
        writing.batchUuid.clear();
    });
}

void RecordWriter::Run(std::function<void(Writing &)> job)
{
    if (m_where == Where::AtOnce)
        return job(*m_writing);
    if (!m_thread)
        Start();
    QMetaObject::invokeMethod(m_worker,
                              [writing = m_writing.get(), job = std::move(job)] { job(*writing); });
}

void RecordWriter::Start()
{
    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("RecordWriter"));
    m_worker = new QObject;
    m_worker->moveToThread(m_thread);
    m_thread->start();
    // A connection belongs to the thread that opened it.
    QMetaObject::invokeMethod(m_worker, [writing = m_writing.get(), path = m_store->Path(),
                                         name = m_store->Inspector(),
                                         certificate = m_store->InspectorCertificate()] {
        writing->own = std::make_unique<RecordStore>();
        writing->own->SetInspector(name, certificate);
        writing->own->Open(path);
        writing->store = writing->own.get();
    });
}

void RecordWriter::Fail(Writing &writing)
{
    Tell([this, problem = writing.store->Problem()] { emit Failed(problem); });
}

void RecordWriter::Tell(std::function<void()> telling)
{
    QMetaObject::invokeMethod(this, std::move(telling));
}
