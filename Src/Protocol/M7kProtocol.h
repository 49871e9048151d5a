#pragma once

#include <QByteArray>
#include <QObject>

// The gauge's one-byte commands and the frames that carry them.
class M7kProtocol : public QObject
{
    Q_OBJECT
public:
    enum PROTOCOL_CMD
    {
        CMD_SET_REALTIMEREADY = 0xF1,
        CMD_SET_REALTIMESTOP = 0xF0,
        CMD_GET_LOGGROUP1 = 0xF2,
        CMD_GET_LOGGROUP2 = 0xF3,
        CMD_GET_LOGGROUP3 = 0xF4,
        CMD_GET_LOGGROUP4 = 0xF5,
        CMD_GET_LOG = 0xF6,
    };
    Q_ENUM(PROTOCOL_CMD)

    explicit M7kProtocol(QObject *parent = nullptr);

    QByteArray SetRealTimeReadyCmd() const;
    QByteArray SetRealTimeStopCmd() const;
    QByteArray GetLogCmd() const;
};
