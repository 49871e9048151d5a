#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP, delivered as a signal of this object in its thread's event loop,
// so that a program asked to end can end as it does when the user ends it. The handler only
// writes the signal's number to a socket pair, which is all a signal handler may safely do.
// One object at a time; without it the signals keep their default action.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void Received(int signalNumber);

private:
    void On_Readable();

    QSocketNotifier *m_notifier = nullptr;
};
