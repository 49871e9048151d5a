#pragma once

#include "MonitorSerial.h"

#include <QList>

#include <functional>

// Port discovery's view of the present ports between two enumerations. Enumerating the
// system's serial ports is dear, so it happens only after a device change, on the first call
// and when the safety interval has passed; the user-named ports are cheap to look at (one file
// test each) and are looked at on every call.
class PortSurvey
{
public:
    using Enumeration = std::function<QList<MonitorSerial::Port>()>;

    PortSurvey(Enumeration enumerate, qint64 safetyIntervalMs);

    // The ports present at nowMs (on any steady clock); changed tells that a device changed
    // since the previous call.
    QList<MonitorSerial::Port> Current(bool changed, qint64 nowMs);

private:
    Enumeration m_enumerate;
    qint64 m_safetyIntervalMs;
    bool m_enumerated = false;
    qint64 m_enumeratedAt = 0;
    QList<MonitorSerial::Port> m_systemPorts;
};
