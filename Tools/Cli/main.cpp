#include "CliApplication.h"
#include "CliConsole.h"
#include "StandardStreams.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTranslator>

#include <memory>

namespace {
// No display: a core application, and no widget is ever made. Only the report sets text,
// which takes a GUI application for its fonts: on the offscreen platform, still without any
// display.
std::unique_ptr<QCoreApplication> MakeApplication(int &argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "report") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}
} // namespace

int main(int argc, char *argv[])
{
    StandardStreams::Prepare();
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    // The channel's and the download's trace is for developers; QT_LOGGING_RULES brings it back.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    // The command line speaks English; its catalogue gives counts their singular: "1 reading".
    QTranslator english;
    if (english.load(QStringLiteral(":/lang/language_en.qm")))
        app->installTranslator(&english);
    CliConsole console;
    return CliApplication().Run(app->arguments(), console);
}
