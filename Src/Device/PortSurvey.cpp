#include "PortSurvey.h"

#include <utility>

PortSurvey::PortSurvey(Enumeration enumerate, qint64 safetyIntervalMs)
    : m_enumerate(std::move(enumerate)), m_safetyIntervalMs(safetyIntervalMs)
{}

QList<MonitorSerial::Port> PortSurvey::Current(bool changed, qint64 nowMs)
{
    if (changed || !m_enumerated || nowMs - m_enumeratedAt >= m_safetyIntervalMs) {
        m_systemPorts = m_enumerate();
        m_enumerated = true;
        m_enumeratedAt = nowMs;
    }
    return MonitorSerial::WithUserPorts(m_systemPorts);
}
