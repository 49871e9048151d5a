#include "AppPaths.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "MainWindow.h"
#include "MonitorSerial.h"
#include "SecondStart.h"
#include "SerialDevFilter.h"
#include "SingleApplication.h"
#include "StandardStreams.h"
#include "StartupSteps.h"

#include <memory>

int main(int argc, char *argv[])
{
    StandardStreams::Prepare();
    StartupSteps::DecoupleErrorOutput();
    StartupSteps::AnswerInfoOptions(argc, argv);
    // A second start by the same user hands its command line to the running instance and
    // ends in here.
    SingleApplication app(argc, argv, false, SingleApplication::PerUser, 1000,
                          SecondStart::Message(StartupSteps::Arguments(argc, argv)));
    SerialDevFilter::SetUserPorts(StartupSteps::UserPortsFromCommandLine(app));

    const AppPaths paths = AppPaths::Current();
    StartupSteps::LoadFonts(paths.FontFolders());
    StartupSteps::RegisterSerialMetaTypes();
    KesLog::Instance();
    StartupSteps::PlaceLogFile(paths);
    KesConfig::Instance()->InitTranslator(&app);
    KesConfig::Instance()->InitConfig();
    // The window connects to port discovery while it is built, so discovery must exist first.
    MonitorSerial::Instance();

    auto window = std::make_unique<MainWindow>();
    StartupSteps::MarkFirstPaintWhenAsked(window.get());
    window->show();
    StartupSteps::AcceptLaterStarts(app, window.get());
    StartupSteps::TellAboutDamagedSettings(window.get());
    // Started after the window is connected, so its first report of the present ports arrives.
    MonitorSerial::Instance()->Start(200, true);

    StartupSteps::EndOnSignals(&app);
    const int status = app.exec();
    window.reset();
    return status;
}
