#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs the built varnolithic-cli as a user would, without a display: neither QT_QPA_PLATFORM
// nor DISPLAY is set, so a program that made a GUI application would fail to start.
class CliProcess
{
public:
    // Empty when the test runs without CTest's VARNOLITHIC_BIN_DIR.
    static QString Program()
    {
        const QString binDir = qEnvironmentVariable("VARNOLITHIC_BIN_DIR");
        return binDir.isEmpty() ? QString() : binDir + QStringLiteral("/varnolithic-cli");
    }

    static void Prepare(QProcess &process)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        process.setProcessEnvironment(environment);
    }

    // Runs to the end; exitCode is -1 when the program did not end normally within the limit.
    static CliProcess Run(const QStringList &arguments, const QString &outputFile = QString())
    {
        QProcess process;
        Prepare(process);
        if (!outputFile.isEmpty())
            process.setStandardOutputFile(outputFile);
        process.start(Program(), arguments);
        return Finish(process);
    }

    static CliProcess Finish(QProcess &process)
    {
        CliProcess result;
        const bool ended = process.waitForFinished(30000);
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        if (ended && process.exitStatus() == QProcess::NormalExit)
            result.exitCode = process.exitCode();
        else {
            process.kill();
            process.waitForFinished(5000);
        }
        return result;
    }

    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
