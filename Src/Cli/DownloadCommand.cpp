#include "DownloadCommand.h"

#include "CliConsole.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "M7kProtocol.h"
#include "MemoryCsvExport.h"
#include "MemoryReader.h"
#include "MemoryTextExport.h"

#include <QCommandLineParser>

namespace {
const QCommandLineOption PortOption(QStringLiteral("port"),
                                    QStringLiteral("The gauge's serial port (ttyUSB0, COM3 or a "
                                                   "path). Required."),
                                    QStringLiteral("NAME"));
const QCommandLineOption
    FormatOption(QStringLiteral("format"),
                 QStringLiteral("txt (default): the program's export file, groups 1 to 4;\n"
                                "csv: group,number,micrometres,value,unit, all five groups;\n"
                                "json: {\"groups\":[...]}, all five groups."),
                 QStringLiteral("FORMAT"));
const QCommandLineOption OutputOption(QStringLiteral("output"),
                                      QStringLiteral("Write to FILE (replaced as a whole or "
                                                     "not at all) instead of the\nstandard "
                                                     "output."),
                                      QStringLiteral("FILE"));

int DeviceFailure(CliConsole &console, const QString &message)
{
    console.Error(message);
    return CliCommand::DeviceError;
}

QString FailureMessage(MemoryReader::Outcome outcome, int framesReceived)
{
    switch (outcome) {
    case MemoryReader::Outcome::TimedOut:
        return QStringLiteral("time-out: the gauge sent %1 of %2 memory groups")
            .arg(framesReceived)
            .arg(MemoryReader::FrameCount);
    case MemoryReader::Outcome::PortClosed:
        return QStringLiteral("the device was lost during the download");
    default:
        return QStringLiteral("the download was interrupted");
    }
}
} // namespace

QString DownloadCommand::Summary() const
{
    return QStringLiteral("Download the readings stored in the gauge's memory.");
}

QString DownloadCommand::Synopsis() const
{
    return QStringLiteral("--port NAME [--format txt|csv|json] [--output FILE]");
}

QList<QCommandLineOption> DownloadCommand::Options() const
{
    return {PortOption, FormatOption, OutputOption};
}

QString DownloadCommand::Description() const
{
    return QStringLiteral(
        "Opens the port at 9600 baud, 8 data bits, odd parity, 1 stop bit, sends the\n"
        "memory command once and writes the five memory groups the gauge answers with.\n"
        "The group of the CSV and JSON is the frame number, 0 to 4; micrometres is the\n"
        "reading at full precision, value the reading in the gauge's unit as the\n"
        "export file shows it.\n"
        "Exit status 3 when the port does not open, the gauge does not answer within\n"
        "three seconds, or the device is lost.\n");
}

std::optional<DownloadCommand::Format> DownloadCommand::ParseFormat(const QString &name)
{
    if (name == QLatin1String("txt"))
        return Format::Text;
    if (name == QLatin1String("csv"))
        return Format::Csv;
    if (name == QLatin1String("json"))
        return Format::Json;
    return std::nullopt;
}

QByteArray DownloadCommand::Document(Format format, const QMap<int, QList<LogRecord>> &groups)
{
    switch (format) {
    case Format::Csv:
        return MemoryCsvExport::Csv(groups);
    case Format::Json:
        return MemoryCsvExport::Json(groups, MemoryReader::FrameCount);
    case Format::Text:
        break;
    }
    return MemoryTextExport::Text(groups, QStringLiteral("Number"), QStringLiteral("Data"),
                                  QStringLiteral("Unit"))
        .toUtf8();
}

QString DownloadCommand::OpenFailureMessage(const PortOpenFailure &failure)
{
    QString message =
        QStringLiteral("cannot open %1: %2").arg(failure.PortName(), failure.ErrorText());
#ifdef Q_OS_LINUX
    // Both come back from the system as a permission error.
    if (failure.WhyRefused() == PortOpenFailure::NoPermission ||
        failure.WhyRefused() == PortOpenFailure::Busy)
        message += QStringLiteral(
            "\nSerial ports belong to the group dialout: add yourself with "
            "'sudo usermod -aG dialout $USER' and log in again, or install the package's udev "
            "rule for the gauge's adapters. A port held by another program gives this error "
            "too.");
#endif
    return message;
}

int DownloadCommand::Execute(const QCommandLineParser &parser, CliConsole &console)
{
    const QString portName = parser.value(PortOption);
    if (portName.isEmpty())
        return UsageFailure(console, QStringLiteral("missing --port NAME"));
    const QString formatName =
        parser.isSet(FormatOption) ? parser.value(FormatOption) : QStringLiteral("txt");
    const std::optional<Format> format = ParseFormat(formatName);
    if (!format)
        return UsageFailure(
            console, QStringLiteral("unknown format '%1' (txt, csv or json)").arg(formatName));

    QMap<int, QList<LogRecord>> groups;
    const int status = Download(portName, groups, console);
    if (status != Success)
        return status;
    return WriteResult(console, parser.value(OutputOption), Document(*format, groups),
                       *format == Format::Text);
}

int DownloadCommand::Download(const QString &portName, QMap<int, QList<LogRecord>> &groups,
                              CliConsole &console)
{
    // The channel logs what it writes.
    KesLog::Instance();
    KesSerialPort serial;
    if (!serial.Open(portName))
        return DeviceFailure(console, OpenFailureMessage(serial.LastOpenFailure()));
    serial.Clear();
    serial.Write(M7kProtocol().GetLogCmd());

    MemoryReader download(&serial);
    int framesReceived = 0;
    QObject::connect(&download, &MemoryReader::FrameReceived,
                     [&framesReceived](int frame) { framesReceived = frame + 1; });
    MemoryReader::Result result = download.Run();
    if (result.outcome != MemoryReader::Outcome::Completed)
        return DeviceFailure(console, FailureMessage(result.outcome, framesReceived));
    groups = std::move(result.groups);
    return Success;
}
