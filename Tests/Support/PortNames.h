#pragma once

#include "MonitorSerial.h"

#include <QStringList>

// The names of the ports, sorted: the order of a pass's lists follows a hash.
inline QStringList PortNames(const QList<MonitorSerial::Port> &ports)
{
    QStringList names;
    for (const MonitorSerial::Port &port : ports)
        names.append(port.name);
    names.sort();
    return names;
}
