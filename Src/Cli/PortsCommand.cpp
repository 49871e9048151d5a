#include "PortsCommand.h"

#include "CliConsole.h"
#include "SerialDevFilter.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {
const QCommandLineOption JsonOption(QStringLiteral("json"),
                                    QStringLiteral("Print a JSON array of objects with name, "
                                                   "vid, pid and gauge."));
const QCommandLineOption PortOption(
    QStringLiteral("port"),
    QStringLiteral("Also list the port NAME (ttyUSB0, COM3 or a path such as a link to a\n"
                   "pseudo-terminal) whenever its device exists, and count it as the\n"
                   "gauge's, as the program's own --port does. May be given more than once."),
    QStringLiteral("NAME"));

bool HasIdentifiers(const PortsCommand::Row &row)
{
    return row.vendorId != 0 || row.productId != 0;
}

QString Hex(quint16 id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

QJsonValue JsonId(const PortsCommand::Row &row, quint16 id)
{
    return HasIdentifiers(row) ? QJsonValue(Hex(id)) : QJsonValue(QJsonValue::Null);
}
} // namespace

QString PortsCommand::Summary() const
{
    return QStringLiteral("List the serial ports and which of them the gauge's adapters are.");
}

QList<QCommandLineOption> PortsCommand::Options() const
{
    return {JsonOption, PortOption};
}

QString PortsCommand::Description() const
{
    return QStringLiteral("Lists every serial port, one line each: its name, its USB vendor and "
                          "product\nidentifiers as vid:pid in hexadecimal (\"-\" when it has "
                          "none) and \"gauge\"\nwhen it is one of the gauge's adapters, else "
                          "\"other\". The columns are\nseparated by tabs.\n");
}

QList<PortsCommand::Row> PortsCommand::Rows(const QList<MonitorSerial::Port> &ports)
{
    QList<Row> rows;
    for (const MonitorSerial::Port &port : ports) {
        // The window offers a user-named port the system does not list whatever it is.
        const bool gauge = port.userNamed || SerialDevFilter::IsGaugeAdapter(port.info);
        rows.append({port.name, port.vendorId, port.productId, gauge});
    }
    std::sort(rows.begin(), rows.end(),
              [](const Row &left, const Row &right) { return left.name < right.name; });
    return rows;
}

QByteArray PortsCommand::Text(const QList<Row> &rows)
{
    QString text;
    for (const Row &row : rows) {
        const QString ids = HasIdentifiers(row)
                                ? Hex(row.vendorId) + QLatin1Char(':') + Hex(row.productId)
                                : QStringLiteral("-");
        text += row.name + QLatin1Char('\t') + ids + QLatin1Char('\t') +
                (row.gauge ? QStringLiteral("gauge") : QStringLiteral("other")) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QByteArray PortsCommand::Json(const QList<Row> &rows)
{
    QJsonArray array;
    for (const Row &row : rows) {
        array.append(QJsonObject{{QStringLiteral("name"), row.name},
                                 {QStringLiteral("vid"), JsonId(row, row.vendorId)},
                                 {QStringLiteral("pid"), JsonId(row, row.productId)},
                                 {QStringLiteral("gauge"), row.gauge}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact) + '\n';
}

int PortsCommand::Execute(const QCommandLineParser &parser, CliConsole &console)
{
    SerialDevFilter::SetUserPorts(parser.values(PortOption));
    const QList<Row> rows = Rows(MonitorSerial::WithUserPorts(MonitorSerial::SystemPorts()));
    return WriteResult(console, QString(), parser.isSet(JsonOption) ? Json(rows) : Text(rows),
                       true);
}
