#pragma once

#include "CliCommand.h"
#include "MonitorSerial.h"

#include <QByteArray>
#include <QList>

// "ports": the machine's serial ports, one line each: name, vid:pid and whether the program
// takes the port for the gauge's (the adapter filter the window's port box uses).
class PortsCommand : public CliCommand
{
public:
    struct Row
    {
        QString name;
        // Both 0 when the port has no USB identifiers.
        quint16 vendorId = 0;
        quint16 productId = 0;
        bool gauge = false;
    };

    QString Name() const override { return QStringLiteral("ports"); }
    QString Summary() const override;
    QString Synopsis() const override { return QStringLiteral("[--json] [--port NAME]..."); }
    QList<QCommandLineOption> Options() const override;

    // In name order.
    static QList<Row> Rows(const QList<MonitorSerial::Port> &ports);
    // "name<TAB>vid:pid<TAB>gauge|other" per line; "-" for vid:pid without USB identifiers.
    static QByteArray Text(const QList<Row> &rows);
    // [{"gauge":true,"name":"ttyUSB0","pid":"7523","vid":"1a86"}]; null identifiers without
    // USB identifiers.
    static QByteArray Json(const QList<Row> &rows);

protected:
    QString Description() const override;
    int Execute(const QCommandLineParser &parser, CliConsole &console) override;
};
