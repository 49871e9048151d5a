#pragma once

#include <QSerialPort>

// The line settings a port is opened with; the defaults are the gauge's: 9600 baud, 8 data bits,
// odd parity, 1 stop bit.
struct SerialSettings
{
    qint32 baudRate = 9600;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::OddParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};
