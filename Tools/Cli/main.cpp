#include "CliApplication.h"
#include "CliConsole.h"

#include <QCoreApplication>
#include <QLoggingCategory>

int main(int argc, char *argv[])
{
    // No display: a core application, and no widget is ever made.
    QCoreApplication app(argc, argv);
    // The channel's and the download's trace is for developers; QT_LOGGING_RULES brings it back.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    CliConsole console;
    return CliApplication().Run(app.arguments(), console);
}
