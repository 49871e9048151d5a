#include "StreamCommand.h"

#include "CliConsole.h"
#include "DownloadCommand.h"
#include "GaugeSession.h"
#include "InspectionSettings.h"
#include "InspectorSettings.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "LiveRecorder.h"
#include "RecordStore.h"
#include "SessionCsv.h"
#include "TerminationSignals.h"

#include <QCommandLineParser>
#include <QEventLoop>
#include <QSaveFile>
#include <QTimer>

#include <memory>

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
const QCommandLineOption JobOption(QStringLiteral("job"),
                                   QStringLiteral("Record the batch in the job NAME (made when "
                                                  "absent). With --area."),
                                   QStringLiteral("NAME"));
const QCommandLineOption AreaOption(QStringLiteral("area"),
                                    QStringLiteral("Record the batch in the job's area NAME, "
                                                   "made when absent with the settings'\n"
                                                   "inspection criteria."),
                                    QStringLiteral("NAME"));
const QCommandLineOption NoStoreOption(QStringLiteral("no-store"),
                                       QStringLiteral("Do not record the batch."));

// A positive whole number, or 0 when the option is not given; -1 for anything else.
qint64 Limit(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    if (!parser.isSet(option))
        return 0;
    bool ok = false;
    const qint64 value = parser.value(option).toLongLong(&ok);
    return ok && value > 0 ? value : -1;
}

// Where the lines go: the standard output, or a file beside the one named, each line handed
// to the system at once (a crash leaves them there), put in the named file's place when the
// stream ends. Until then, and for ever when the stream cannot start, the named file is as it
// was.
class LineSink
{
public:
    LineSink(CliConsole &console, const QString &path) : m_console(console), m_file(path) {}

    bool Open(QString *error)
    {
        if (m_file.fileName().isEmpty())
            return true;
        const bool opened = m_file.open(QIODevice::WriteOnly);
        *error = m_file.errorString();
        return opened;
    }
    bool Write(const QByteArray &line)
    {
        if (!m_file.isOpen())
            return m_console.WriteOut(line, false);
        return m_file.write(line) == line.size() && m_file.flush();
    }
    // Puts the lines in the named file's place.
    bool Commit(QString *error)
    {
        if (m_file.fileName().isEmpty())
            return true;
        const bool committed = m_file.commit();
        *error = m_file.errorString();
        return committed;
    }

private:
    CliConsole &m_console;
    QSaveFile m_file;
};
} // namespace

QString StreamCommand::Summary() const
{
    return QStringLiteral("Write the gauge's live readings as CSV lines as they arrive.");
}

QString StreamCommand::Synopsis() const
{
    return QStringLiteral("--port NAME [--count N] [--seconds S] [--output FILE] "
                          "[--job NAME --area NAME | --no-store]");
}

QList<QCommandLineOption> StreamCommand::Options() const
{
    return {PortOption, CountOption, SecondsOption, OutputOption,
            JobOption,  AreaOption,  NoStoreOption};
}

QString StreamCommand::Description() const
{
    return QStringLiteral(
        "Opens the port at 9600 baud, 8 data bits, odd parity, 1 stop bit, tells the\n"
        "gauge to stop (twice), then to stream (twice), and writes one line per reading\n"
        "in the program's session file format, after its header:\n"
        "  index,time,micrometres,value,unit,status\n"
        "Each line is flushed as it is written. Ends after N readings, after S seconds,\n"
        "on SIGINT, SIGTERM or SIGHUP, or when the output is closed, and always tells the\n"
        "gauge to stop (twice) before it ends. With --output the lines go to a file\n"
        "beside FILE, which takes FILE's place when the stream ends; FILE is left as it\n"
        "was when the stream cannot start or the lines cannot be written. A silent gauge\n"
        "is waited for. Exit status 3 when the port does not open or the device is lost.\n\n"
        "The readings are recorded as one batch of the records (in Unfiled, or in the\n"
        "job and area named), each slice of them committed before it is written out.\n"
        "Exit status 4 when the records file cannot be opened or written; the readings\n"
        "are written out all the same.\n");
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
    if (parser.isSet(JobOption) != parser.isSet(AreaOption))
        return UsageFailure(console, QStringLiteral("--job and --area go together"));
    if (parser.isSet(NoStoreOption) && parser.isSet(JobOption))
        return UsageFailure(console, QStringLiteral("--no-store records no batch in a job"));
    RecordStore store;
    QString areaUuid;
    if (!parser.isSet(NoStoreOption)) {
        const InspectorSettings inspector = InspectorSettings::Load();
        store.SetInspector(inspector.name, inspector.certificate);
        if (store.Open(StorePath(parser)) && store.IsWritable() && parser.isSet(JobOption))
            areaUuid = store.EnsureArea(parser.value(JobOption), parser.value(AreaOption),
                                        InspectionSettings::Load());
        if (!store.IsWritable()) {
            console.Error(store.Problem());
            return StoreError;
        }
    }
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
    std::unique_ptr<LiveRecorder> recorder;
    bool storeFailed = false;
    if (store.IsWritable()) {
        recorder = std::make_unique<LiveRecorder>(&store, &session);
        recorder->SetArea(areaUuid);
        recorder->SetReadingLimit(count);
        QObject::connect(recorder.get(), &LiveRecorder::StoreFailed, [&](const QString &problem) {
            console.Error(problem);
            storeFailed = true;
        });
    }
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
    TerminationSignals endSignals;
    QObject::connect(&endSignals, &TerminationSignals::Received, &loop, &QEventLoop::quit);

    session.PortOpened();
    session.StartLive();
    if (status == Success)
        loop.exec();
    session.StopLive();
    serial.WaitForWritten(1000);
    // The readings of a run that lost its device are kept all the same.
    if (status != UsageError && !sink.Commit(&error)) {
        console.Error(QStringLiteral("cannot write %1: %2").arg(parser.value(OutputOption), error));
        status = UsageError;
    }
    return status == Success && storeFailed ? StoreError : status;
}
