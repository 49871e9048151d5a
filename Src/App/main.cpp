#include "KesConfig.h"
#include "KesLog.h"
#include "MainWindow.h"
#include "MonitorSerial.h"
#include "SerialDevFilter.h"
#include "SingleApplication.h"
#include "StartupSteps.h"

#include <memory>

int main(int argc, char *argv[])
{
    StartupSteps::DecoupleErrorOutput();
    // A second start by the same user notifies the running instance and ends in here.
    SingleApplication app(argc, argv, false, SingleApplication::PerUser, 1000);
    SerialDevFilter::SetUserPorts(StartupSteps::UserPortsFromCommandLine(app));

    StartupSteps::LoadFontFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/font"));
    StartupSteps::RegisterSerialMetaTypes();
    KesLog::Instance();
    KesConfig::Instance()->InitTranslator(&app);
    KesConfig::Instance()->InitConfig();
    // The window connects to port discovery while it is built, so discovery must exist first.
    MonitorSerial::Instance();

    auto window = std::make_unique<MainWindow>();
    StartupSteps::MarkFirstPaintWhenAsked(window.get());
    window->show();
    // Started after the window is connected, so its first report of the present ports arrives.
    MonitorSerial::Instance()->Start(200, true);

    const int status = app.exec();
    window.reset();
    return status;
}
