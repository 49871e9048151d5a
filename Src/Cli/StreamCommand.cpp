#include "StreamCommand.h"

#include "CliConsole.h"
#include "DownloadCommand.h"
#include "GaugeSession.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "SessionCsv.h"

#include <QCommandLineParser>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <atomic>
#include <csignal>

namespace {
const QCommandLineOption PortOption(QStringLiteral("port"),
                                    QStringLiteral("The gauge's serial port (ttyUSB0, COM3 or a "
                                                   "path). Required."),
                                    QStringLiteral("NAME"));
const QCommandLineOption CountOption(QStringLiteral("count"),
                                     QStringLiteral("End after N readings."), QStringLiteral("N"));
const QCommandLineOption SecondsOption(QStringLiteral("seconds"),
                                       QStringLiteral("End after S seconds."), QStringLiteral("S"));
const QCommandLineOption OutputOption(QStringLiteral("output"),
                                      QStringLiteral("Write to FILE instead of the standard "
                                                     "output."),
                                      QStringLiteral("FILE"));
const int SignalPollMs = 50;

std::atomic<bool> s_stopAsked{false};

void AskToStop(int)
{
    s_stopAsked = true;
}

// A positive whole number, or 0 when the option is not given; -1 for anything else.
qint64 Limit(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    if (!parser.isSet(option))
        return 0;
    bool ok = false;
    const qint64 value = parser.value(option).toLongLong(&ok);
    return ok && value > 0 ? value : -1;
}

// Where the lines go: the file named, or the standard output; each line written at once.
class LineSink
{
public:
    LineSink(CliConsole &console, const QString &path) : m_console(console), m_file(path) {}

    bool Open(QString *error)
    {
        if (m_file.fileName().isEmpty())
            return true;
        const bool opened =
            m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
        *error = m_file.errorString();
        return opened;
    }
    bool Write(const QByteArray &line)
    {
        if (!m_file.isOpen())
            return m_console.WriteOut(line, false);
        return m_file.write(line) == line.size();
    }

private:
    CliConsole &m_console;
    QFile m_file;
};
} // namespace

QString StreamCommand::Summary() const
{
    return QStringLiteral("Write the gauge's live readings as CSV lines as they arrive.");
}

QString StreamCommand::Synopsis() const
{
    return QStringLiteral("--port NAME [--count N] [--seconds S] [--output FILE]");
}

QList<QCommandLineOption> StreamCommand::Options() const
{
    return {PortOption, CountOption, SecondsOption, OutputOption};
}

QString StreamCommand::Description() const
{
    return QStringLiteral(
        "Opens the port at 9600 baud, 8 data bits, odd parity, 1 stop bit, tells the\n"
        "gauge to stop (twice), then to stream (twice), and writes one line per reading\n"
        "in the program's session file format, after its header:\n"
        "  index,time,micrometres,value,unit,status\n"
        "Each line is flushed as it is written. Ends after N readings, after S seconds,\n"
        "or on SIGINT or SIGTERM, and always tells the gauge to stop (twice) before it\n"
        "ends. Exit status 3 when the port does not open or the device is lost.\n");
}

int StreamCommand::Execute(const QCommandLineParser &parser, CliConsole &console)
{
    const QString portName = parser.value(PortOption);
    if (portName.isEmpty())
        return UsageFailure(console, QStringLiteral("missing --port NAME"));
    const qint64 count = Limit(parser, CountOption);
    const qint64 seconds = Limit(parser, SecondsOption);
    if (count < 0 || seconds < 0)
        return UsageFailure(console, QStringLiteral("--count and --seconds take a whole number "
                                                    "above 0"));
    LineSink sink(console, parser.value(OutputOption));
    QString error;
    if (!sink.Open(&error))
        return UsageFailure(
            console, QStringLiteral("cannot write %1: %2").arg(parser.value(OutputOption), error));

    KesLog::Instance();
    KesSerialPort serial;
    if (!serial.Open(portName)) {
        console.Error(DownloadCommand::OpenFailureMessage(serial.LastOpenFailure()));
        return DeviceError;
    }
    GaugeSession session(&serial);
    session.SetJournalled(false);
    QEventLoop loop;
    int status = sink.Write(SessionCsv::Header()) ? Success : UsageError;
    QObject::connect(&serial, &KesSerialPort::DisconnectPort, &loop, [&] {
        console.Error(QStringLiteral("the device was lost"));
        status = DeviceError;
        loop.quit();
    });
    qint64 written = 0;
    QObject::connect(&session, &GaugeSession::ReadingReceived, &loop,
                     [&](const LiveReading &, const LiveRecord &record) {
                         // Several readings can arrive together: none after the last asked for.
                         if (status != Success || (count > 0 && written >= count))
                             return;
                         if (!sink.Write(SessionCsv::Line(record))) {
                             console.Error(QStringLiteral("the output cannot be written"));
                             status = UsageError;
                             loop.quit();
                         } else if (++written == count) {
                             loop.quit();
                         }
                     });
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    s_stopAsked = false;
    std::signal(SIGINT, AskToStop);
    std::signal(SIGTERM, AskToStop);
    QTimer signalPoll;
    QObject::connect(&signalPoll, &QTimer::timeout, &loop, [&loop] {
        if (s_stopAsked)
            loop.quit();
    });
    signalPoll.start(SignalPollMs);

    session.PortOpened();
    session.StartLive();
    if (status == Success)
        loop.exec();
    session.StopLive();
    serial.WaitForWritten(1000);
    return status;
}
