// The memory download over the simulated gauge's line: five log frames of 1 000 readings each.
// (a) Paced to the real line (9600 baud 8O1, 873 bytes/s): CPU time of the thread that runs the
//     download (the GUI thread in the program) against the time the download takes.
// (b) Unpaced: how many bytes per second the download loop takes in.
//
// Usage: BenchDownload [--runs N] [--paced-runs N] [--readings N]

#include "BenchSupport.h"
#include "GaugeSimThread.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "M7kProtocol.h"
#include "MemoryReader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {
using BenchSupport::Median;

struct Download
{
    bool completed = false;
    int readings = 0;
    double wallMs = 0;
    double cpuMs = 0;
};

// The download prints every frame's payload to the debug output, as the program does; the
// formatting is measured, the terminal is spared.
void DropMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

Download RunDownload(GaugeSimThread &gauge, KesSerialPort &channel, int lineRate, int chunk)
{
    gauge->SetLineRate(lineRate);
    gauge->SetChunkSize(chunk);
    channel.Clear();
    MemoryReader download(&channel);
    QElapsedTimer wall;
    const double cpuBefore = BenchSupport::ThreadCpuMs();
    wall.start();
    channel.WriteSerialPortSlot(M7kProtocol().GetLogCmd());
    const MemoryReader::Result result = download.Run();
    Download figures;
    figures.wallMs = wall.nsecsElapsed() / 1e6;
    figures.cpuMs = BenchSupport::ThreadCpuMs() - cpuBefore;
    figures.completed = result.outcome == MemoryReader::Outcome::Completed;
    for (const QList<LogRecord> &group : result.groups)
        figures.readings += group.size();
    return figures;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runsOption("runs", "Unpaced downloads (median).", "N", "11");
    const QCommandLineOption pacedOption("paced-runs", "Paced downloads per chunk size.", "N", "1");
    const QCommandLineOption readingsOption("readings", "Readings per log frame.", "N", "1000");
    parser.addOptions({runsOption, pacedOption, readingsOption});
    parser.process(app);
    const int readings = parser.value(readingsOption).toInt();

    KesLog::Instance();
    qInstallMessageHandler(DropMessages);
    GaugeSimThread gauge;
    GaugeSim::LogFrame frame;
    for (int index = 0; index < readings; ++index)
        frame.readings.append(GaugeSim::DefaultValue(index));
    gauge->SetLogFrames(QVector<GaugeSim::LogFrame>(GaugeSim::LogFrameCount, frame));
    const qint64 answerBytes = GaugeSim::LogFrameCount * GaugeSim::LogFrameBytes(frame).size();
    KesSerialPort channel;
    channel.SetPortName(gauge->PortName());
    QTextStream out(stdout);
    if (!gauge.IsOpen() ||
        !channel.OpenSerial(9600, QSerialPort::OneStop, QSerialPort::OddParity)) {
        out << "cannot open the simulated gauge's line\n";
        return 1;
    }

    out << "Download of " << GaugeSim::LogFrameCount << " log frames of " << readings
        << " readings (" << answerBytes << " bytes) from the simulated gauge on a "
        << "pseudo-terminal\n\n";
    out << "(a) paced to " << GaugeSim::LineRate9600_8O1
        << " bytes/s; CPU time of the download's thread / download time\n";
    out << qSetFieldWidth(14) << "bytes/write"
        << "download s"
        << "CPU ms"
        << "CPU %" << qSetFieldWidth(0) << "   goal: under 5 % of one core\n";
    for (const int chunk : {1, 16}) {
        std::vector<double> wall, cpu, share;
        bool completed = true;
        for (int run = 0; run < parser.value(pacedOption).toInt(); ++run) {
            const Download figures = RunDownload(gauge, channel, GaugeSim::LineRate9600_8O1, chunk);
            completed = completed && figures.completed;
            wall.push_back(figures.wallMs / 1e3);
            cpu.push_back(figures.cpuMs);
            share.push_back(100.0 * figures.cpuMs / figures.wallMs);
        }
        out << qSetFieldWidth(14) << chunk << QString::number(Median(wall), 'f', 1)
            << QString::number(Median(cpu), 'f', 0) << QString::number(Median(share), 'f', 2)
            << qSetFieldWidth(0) << (completed ? "" : "   (a download did not complete)") << "\n";
        out.flush();
    }

    std::vector<double> rates, wall;
    bool completed = true;
    for (int run = -1; run < parser.value(runsOption).toInt(); ++run) { // one warm-up run
        const Download figures = RunDownload(gauge, channel, 0, 0);
        if (run < 0)
            continue;
        completed = completed && figures.completed && figures.readings == 5 * readings;
        wall.push_back(figures.wallMs);
        rates.push_back(answerBytes / (figures.wallMs / 1e3));
    }
    const double rate = Median(rates);
    out << "\n(b) unpaced, median of " << rates.size() << " downloads\n";
    out << qSetFieldWidth(14) << "download ms"
        << "bytes/s"
        << "x line rate" << qSetFieldWidth(0) << "   goal: at least 100 x "
        << GaugeSim::LineRate9600_8O1 << " bytes/s\n";
    out << qSetFieldWidth(14) << QString::number(Median(wall), 'f', 2)
        << QString::number(rate, 'f', 0)
        << QString::number(rate / GaugeSim::LineRate9600_8O1, 'f', 0) << qSetFieldWidth(0)
        << (completed ? "" : "   (a download did not complete)") << "\n";
    out << "\nReproduce: scripts/bench BenchDownload\n";
    return 0;
}
