#include "KesConfig.h"
#include "KesLog.h"
#include "SingleApplication.h"
#include "StartupSteps.h"

#include <QWidget>

int main(int argc, char *argv[])
{
    // A second start by the same user notifies the running instance and ends in here.
    SingleApplication app(argc, argv, false, SingleApplication::PerUser, 1000);

    StartupSteps::LoadFontFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/font"));
    StartupSteps::RegisterSerialMetaTypes();
    KesLog::Instance();
    KesConfig::Instance()->InitTranslator(&app);
    KesConfig::Instance()->InitConfig();

    // Stands in for MainWindow until the main window joins the program.
    QWidget window;
    window.setWindowTitle(QStringLiteral("Varnolithic Tolvane"));
    window.show();
    return app.exec();
}
