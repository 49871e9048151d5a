// The session journal: the cost of one reading appended (line made, written, synced at most
// once a second), and a long live run at 20 frames/s through the real channel and session
// with the journal on: every frame the gauge sent is a reading, and every reading a line.
//
//   BenchJournal [--readings N] [--stream-seconds S]   (defaults 20000 and 600)

#include "BenchSupport.h"
#include "GaugeSession.h"
#include "GaugeSimThread.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "LiveReading.h"
#include "SessionFile.h"
#include "SessionJournal.h"
#include "StartupSteps.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

void AppendCost(int readings)
{
    QTemporaryDir dir;
    SessionJournal journal;
    QVector<LiveRecord> run;
    run.reserve(readings);
    journal.Begin(dir.path(), QDateTime::currentDateTime(), &run);
    const LiveReading reading = *LiveReading::Decode(GaugeSim::LiveFrame(1, 123.4f));
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= readings; ++i) {
        run.append(LiveRecord::FromReading(reading, i, QDateTime::currentDateTime()));
        journal.Append({run.last()});
    }
    const double perReadingMs = static_cast<double>(clock.nsecsElapsed()) / 1e6 / readings;
    std::printf("journal append: %.4f ms per reading over %d readings (goal under 0.2 ms)\n",
                perReadingMs, readings);
    // The file taken away: the end of the run writes it again from the readings.
    QFile::remove(journal.FilePath());
    clock.restart();
    journal.End();
    std::printf("journal made again: %lld ms for %d readings\n",
                static_cast<long long>(clock.elapsed()), readings);
}

void LongStream(int seconds)
{
    QTemporaryDir dir;
    KesConfig::Instance()->SetConfigFile(dir.filePath(QStringLiteral("config.ini")));
    KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), dir.path());
    GaugeSimThread gauge;
    gauge->SetPeriodMs(50);
    gauge->SetLineRate(GaugeSim::LineRate9600_8O1);
    KesSerialPort channel;
    GaugeSession session(&channel);
    qint64 shown = 0;
    QObject::connect(&session, &GaugeSession::ReadingReceived, [&shown] { ++shown; });
    if (!channel.Open(gauge->PortName())) {
        std::printf("long stream: the simulated gauge could not be opened\n");
        return;
    }
    session.PortOpened();
    session.StartLive();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000LL)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    session.StopLive();
    // What was on the line when it stopped still arrives; then nothing more comes.
    const qint64 sentAtStop = gauge->LiveFramesSent();
    while (shown < sentAtStop && clock.elapsed() < (seconds + 5) * 1000LL)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    const SessionFile file = SessionFile::Read(session.JournalPath());
    std::printf("long stream: %d s at 20 frames/s: %lld frames sent, %lld readings shown, "
                "%d journal lines, %d lines skipped, %lld lost\n",
                seconds, static_cast<long long>(sentAtStop), static_cast<long long>(shown),
                file.records.size(), file.skippedLines, static_cast<long long>(sentAtStop - shown));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"readings", "Readings appended for the cost.", "N", "20000"},
                       {"stream-seconds", "Length of the live run.", "S", "600"}});
    parser.process(app);
    KesLog::Instance();
    StartupSteps::RegisterSerialMetaTypes();
    AppendCost(parser.value("readings").toInt());
    LongStream(parser.value("stream-seconds").toInt());
    return 0;
}
