#include "M7kProtocol.h"

namespace {
QByteArray Frame(M7kProtocol::PROTOCOL_CMD command)
{
    return QByteArray(1, static_cast<char>(command));
}
} // namespace

M7kProtocol::M7kProtocol(QObject *parent) : QObject(parent) {}

QByteArray M7kProtocol::SetRealTimeReadyCmd() const
{
    return Frame(CMD_SET_REALTIMEREADY);
}

QByteArray M7kProtocol::SetRealTimeStopCmd() const
{
    return Frame(CMD_SET_REALTIMESTOP);
}

QByteArray M7kProtocol::GetLogCmd() const
{
    return Frame(CMD_GET_LOG);
}
