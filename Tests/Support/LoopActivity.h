#pragma once

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

// Runs this thread's event loop for msecs and counts how often it woke up. An idle loop wakes
// a handful of times; a loop spinning on a descriptor that stays ready wakes thousands of times.
inline int CountLoopWakeups(int msecs)
{
    int wakeups = 0;
    const QMetaObject::Connection counting =
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                         [&wakeups] { ++wakeups; });
    QEventLoop loop;
    QTimer::singleShot(msecs, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(counting);
    return wakeups;
}
