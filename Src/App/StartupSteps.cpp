#include "StartupSteps.h"

#include "AppPaths.h"
#include "DialogWindow.h"
#include "InspectionSettings.h"
#include "InterfaceFont.h"
#include "KesConfig.h"
#include "KesDebugOutput.h"
#include "KesLog.h"
#include "SecondStart.h"
#include "SerialDevFilter.h"
#include "SingleApplication.h"
#include "TerminationSignals.h"
#include "Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QList>
#include <QSerialPortInfo>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <cstdlib>

void StartupSteps::DecoupleErrorOutput()
{
#ifdef Q_OS_UNIX
    std::signal(SIGPIPE, SIG_IGN);
    KesDebugOutput::Install();
#endif
}

QString StartupSteps::LoadFontFolder(const QString &fontDir)
{
    qDebug() << fontDir;
    const QStringList files = QDir(fontDir).entryList({QStringLiteral("*.ttc")},
                                                      QDir::Files | QDir::Readable, QDir::Name);
    qDebug() << files;

    QString applicationFamily;
    for (const QString &file : files) {
        const int id = QFontDatabase::addApplicationFont(fontDir + QLatin1Char('/') + file);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        qDebug() << families;
        if (families.isEmpty()) {
            qDebug() << "Failed to load font.";
            continue;
        }
        applicationFamily = families.first();
        QApplication::setFont(QFont(applicationFamily));
    }
    return applicationFamily;
}

void StartupSteps::LoadFonts(const QStringList &fontDirs)
{
    QString folderFamily;
    for (const QString &fontDir : fontDirs) {
        const QString family = LoadFontFolder(fontDir);
        if (!family.isEmpty())
            folderFamily = family;
    }
    InterfaceFont::Apply(folderFamily);
}

void StartupSteps::RegisterSerialMetaTypes()
{
    qRegisterMetaType<QSerialPortInfo>("QSerialPortInfo");
    qRegisterMetaType<QList<QSerialPortInfo>>("QList<QSerialPortInfo>");
}

namespace {
// The program's command line; QCommandLineParser prints its help through the application object.
struct CommandLine
{
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption port{
        QStringLiteral("port"),
        QStringLiteral("Offer the serial port NAME (ttyUSB0, COM3, or a path such as a link to "
                       "a pseudo-terminal) whenever it exists, whatever its USB identifiers. "
                       "May be given more than once. Given to a second start, the running "
                       "program offers it."),
        QStringLiteral("NAME")};

    CommandLine()
    {
        parser.setApplicationDescription(
            QStringLiteral("Companion for a coating-thickness gauge on a serial adapter."));
        parser.addOption(port);
    }
};
} // namespace

namespace {
// Qt's own options, which the application object takes off the command line: known here so
// that the command line can be checked before there is an application object.
void AddQtOptions(QCommandLineParser &parser)
{
    const QStringList withValue{
        "platform",     "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
        "qwindowicon",  "qwindowtitle",       "style",         "stylesheet", "session",
        "display",      "geometry",           "title",         "name",       "visual",
        "qmljsdebugger"};
    const QStringList flags{"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
    for (const QString &name : withValue) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString &name : flags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}
} // namespace

void StartupSteps::AnswerInfoOptions(int &argc, char **argv)
{
    CommandLine commandLine;
    QCommandLineParser &parser = commandLine.parser;
    AddQtOptions(parser);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(Arguments(argc, argv))) {
        // Told before the application object is built, which needs a display.
        std::fprintf(stderr, "varnolithic: %s\nTry 'varnolithic --help' for the options.\n",
                     qPrintable(parser.errorText()));
        std::exit(2);
    }
    if (!parser.isSet(commandLine.help) && !parser.isSet(QStringLiteral("help-all")) &&
        !parser.isSet(commandLine.version))
        return;
    QCoreApplication console(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNOLITHIC_VERSION));
    parser.process(console);
}

QStringList StartupSteps::Arguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QStringList StartupSteps::UserPortsFromCommandLine(const QCoreApplication &app)
{
    CommandLine commandLine;
    commandLine.parser.process(app);
    return commandLine.parser.values(commandLine.port);
}

QStringList StartupSteps::UserPortsFromArguments(const QStringList &arguments)
{
    CommandLine commandLine;
    commandLine.parser.parse(arguments);
    return commandLine.parser.values(commandLine.port);
}

void StartupSteps::AcceptLaterStarts(SingleApplication &app, QWidget *window)
{
    QObject::connect(&app, &SingleApplication::instanceStarted, window,
                     [window] { BringToFront(window); });
    QObject::connect(&app, &SingleApplication::receivedMessage, window,
                     [](quint32, const QByteArray &message) {
                         if (const auto arguments = SecondStart::Arguments(message))
                             SerialDevFilter::AddUserPorts(UserPortsFromArguments(*arguments));
                     });
}

void StartupSteps::BringToFront(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void StartupSteps::EndOnSignals(QObject *owner)
{
    auto *endSignals = new TerminationSignals(owner);
    QObject::connect(endSignals, &TerminationSignals::Received, owner, [](int signalNumber) {
        KesLog::Debug(QStringLiteral("Ending on signal %1").arg(signalNumber));
        QCoreApplication::exit(0);
    });
}

void StartupSteps::PlaceLogFile(const AppPaths &paths)
{
    const QString base = paths.LogBasePath();
    QDir().mkpath(QFileInfo(base).absolutePath());
    KesLog::SetFileBase(QFile::encodeName(base).toStdString());
}

void StartupSteps::TellAboutDamagedSettings(QWidget *window)
{
    QStringList notices{KesConfig::Instance()->DamageNotice(),
                        KesConfig::Instance()->SaveFolderNotice(),
                        InspectionSettings::RefusalNotice()};
    notices.removeAll(QString());
    if (notices.isEmpty())
        return;
    const QString notice = notices.join(QLatin1Char('\n'));
    auto *dialog = new DialogWindow;
    dialog->SetCoverWidget(window);
    dialog->setModal(true);
    dialog->SetState(DialogWindow::Warning);
    dialog->SetWarningMessage(notice);
    dialog->show();
    QTimer::singleShot(DialogWindow::ReadingMsecs(notice), dialog, &QObject::deleteLater);
    // The window owns no pointer to this message: it must not outlive the window.
    QObject::connect(window, &QObject::destroyed, dialog, &QObject::deleteLater);
}

namespace {
class FirstPaintMark : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            std::fputs("varnolithic: main window painted\n", stderr);
            std::fflush(stderr);
            deleteLater();
        }
        return false;
    }
};
} // namespace

void StartupSteps::MarkFirstPaintWhenAsked(QWidget *window)
{
    if (qEnvironmentVariableIsSet("VARNOLITHIC_STARTUP_MARK"))
        window->installEventFilter(new FirstPaintMark(window));
}
