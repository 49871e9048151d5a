#include "KesConfig.h"
#include "KesLog.h"
#include "MainWindow.h"
#include "MonitorSerial.h"
#include "SingleApplication.h"
#include "StartupSteps.h"

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
} // namespace

int main(int argc, char *argv[])
{
    // A second start by the same user notifies the running instance and ends in here.
    SingleApplication app(argc, argv, false, SingleApplication::PerUser, 1000);

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
