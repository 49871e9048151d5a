// gauge-sim: a simulated coating-thickness gauge on a pseudo-terminal, for trying the program
// without hardware. Prints the port to open, then plays the gauge until SIGINT or SIGTERM.
#include "GaugeSim.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QStringList>

#include <csignal>
#include <cstdio>

#include <sys/socket.h>
#include <unistd.h>

namespace {
int s_signalPipe[2] = {-1, -1};

void OnStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(s_signalPipe[1], &byte, 1);
}

// Turns SIGINT and SIGTERM into a normal end of the event loop, so that the link is removed.
bool QuitOnStopSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, s_signalPipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(s_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGINT, &action, nullptr) == 0 &&
           ::sigaction(SIGTERM, &action, nullptr) == 0;
}

bool ParseValues(const QString &text, QVector<float> &values)
{
    for (const QString &item : text.split(',', Qt::SkipEmptyParts)) {
        bool ok = false;
        values.append(item.trimmed().toFloat(&ok));
        if (!ok)
            return false;
    }
    return !values.isEmpty();
}

int Fail(const QString &message)
{
    std::fprintf(stderr, "gauge-sim: %s\n", qPrintable(message));
    return 1;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("gauge-sim");

    QCommandLineParser parser;
    parser.setApplicationDescription("Simulated coating-thickness gauge on a pseudo-terminal. "
                                     "Prints the port to open and runs until interrupted.");
    parser.addHelpOption();
    const QCommandLineOption link("link", "Make a symbolic link PATH to the port.", "PATH");
    const QCommandLineOption period("period", "Milliseconds between live readings.", "MS", "300");
    const QCommandLineOption unit("unit", "Unit code: 0 um, 1 mils, 2 mm.", "CODE", "0");
    const QCommandLineOption values("values", "Live readings in um, comma-separated, cycled.",
                                    "LIST");
    const QCommandLineOption overflow("overflow-every", "Every N-th reading overflows; 0: never.",
                                      "N", "17");
    const QCommandLineOption logFrames("log-frames", "Answer a download with the first N frames.",
                                       "N", "5");
    const QCommandLineOption paced("paced", "Pace the output to the real line (9600 baud 8O1).");
    const QCommandLineOption chunk("chunk", "Write at most N bytes at a time.", "N", "0");
    const QCommandLineOption verbose("verbose", "Print every received byte on stderr.");
    parser.addOptions({link, period, unit, values, overflow, logFrames, paced, chunk, verbose});
    parser.process(app);

    GaugeSim sim;
    sim.SetPeriodMs(parser.value(period).toInt());
    sim.SetUnitCode(static_cast<quint8>(parser.value(unit).toUInt()));
    sim.SetOverflowEvery(parser.value(overflow).toInt());
    sim.SetLogFrameLimit(parser.value(logFrames).toInt());
    sim.SetChunkSize(parser.value(chunk).toInt());
    if (parser.isSet(paced))
        sim.SetLineRate(GaugeSim::LineRate9600_8O1);
    if (parser.isSet(values)) {
        QVector<float> readings;
        if (!ParseValues(parser.value(values), readings))
            return Fail("--values needs numbers separated by commas");
        sim.SetValues(readings);
    }
    if (parser.isSet(verbose)) {
        QObject::connect(&sim, &GaugeSim::BytesReceived, [](const QByteArray &bytes) {
            std::fprintf(stderr, "received %s\n", bytes.toHex(' ').constData());
        });
    }

    if (!sim.Open())
        return Fail("cannot create a pseudo-terminal");
    if (parser.isSet(link) && !sim.MakeLink(parser.value(link)))
        return Fail("cannot make the link " + parser.value(link));
    if (!QuitOnStopSignals(app))
        return Fail("cannot install the signal handlers");

    std::printf("%s\n", qPrintable(sim.PortName()));
    std::fflush(stdout);
    return app.exec();
}
