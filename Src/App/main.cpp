#include "KesConfig.h"
#include "KesLog.h"
#include "MainWindow.h"
#include "MonitorSerial.h"
#include "SerialDevFilter.h"
#include "SingleApplication.h"
#include "StartupSteps.h"

#include <QCommandLineParser>
#include <QEvent>

#include <cstdio>
#include <memory>

namespace {
// With VARNOLITHIC_STARTUP_MARK set, prints one line to the error output when the main window
// is first painted: start-up measurements wait for it. Nothing changes for a user.
class FirstPaintMark : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            std::fputs("varnolithic: main window painted\n", stderr);
            std::fflush(stderr);
        }
        return false;
    }
};

// The ports given with "--port NAME": offered in the port box whenever their device exists,
// whatever their USB identifiers. "--help" prints the usage and ends the process.
QStringList UserPortsFromCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Companion for a coating-thickness gauge on a serial adapter."));
    parser.addHelpOption();
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Offer the serial port NAME (ttyUSB0, COM3, or a path such as a link to "
                       "a pseudo-terminal) whenever it exists, whatever its USB identifiers. "
                       "May be given more than once."),
        QStringLiteral("NAME"));
    parser.addOption(port);
    parser.process(app);
    return parser.values(port);
}
} // namespace

int main(int argc, char *argv[])
{
    // A second start by the same user notifies the running instance and ends in here.
    SingleApplication app(argc, argv, false, SingleApplication::PerUser, 1000);
    SerialDevFilter::SetUserPorts(UserPortsFromCommandLine(app));

    StartupSteps::LoadFontFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/font"));
    StartupSteps::RegisterSerialMetaTypes();
    KesLog::Instance();
    KesConfig::Instance()->InitTranslator(&app);
    KesConfig::Instance()->InitConfig();
    // The window connects to port discovery while it is built, so discovery must exist first.
    MonitorSerial::Instance();

    FirstPaintMark firstPaintMark;
    auto window = std::make_unique<MainWindow>();
    if (qEnvironmentVariableIsSet("VARNOLITHIC_STARTUP_MARK"))
        window->installEventFilter(&firstPaintMark);
    window->show();
    // Started after the window is connected, so its first report of the present ports arrives.
    MonitorSerial::Instance()->Start(200, true);

    const int status = app.exec();
    window.reset();
    return status;
}
