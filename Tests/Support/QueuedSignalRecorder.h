#pragma once

#include <QList>
#include <QObject>
#include <QVariant>
#include <QtTest>

#include <type_traits>

// Records every emission of one signal through a queued connection, in the thread the recorder
// belongs to. Use it instead of QSignalSpy for signals emitted from worker threads: the spy
// appends from the emitting thread without a lock. Each record holds the signal's arguments.
class QueuedSignalRecorder : public QObject
{
public:
    template <typename Sender, typename SignalOwner, typename... Args>
    QueuedSignalRecorder(const Sender *sender, void (SignalOwner::*signal)(Args...),
                         QObject *parent = nullptr)
        : QObject(parent)
    {
        connect(
            sender, signal, this,
            [this](Args... args) {
                m_records.append(QVariantList{QVariant::fromValue(std::decay_t<Args>(args))...});
            },
            Qt::QueuedConnection);
    }

    int Count() const { return m_records.size(); }
    const QVariantList &At(int index) const { return m_records.at(index); }
    void Clear() { m_records.clear(); }

    // The given argument of every record, converted to T.
    template <typename T> QList<T> Values(int argument = 0) const
    {
        QList<T> values;
        for (const QVariantList &record : m_records)
            values.append(record.at(argument).value<T>());
        return values;
    }

    // Processes events until at least count records are in, or timeoutMs has passed.
    bool WaitFor(int count, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return Count() >= count; }, timeoutMs);
    }

private:
    QList<QVariantList> m_records;
};
