#include "CliProcess.h"
#include "GaugeLogFrames.h"
#include "GaugeSimThread.h"
#include "MemoryCsvExport.h"
#include "MemoryTextExport.h"

#include <QSerialPort>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

namespace {
using Frames = QVector<GaugeSim::LogFrame>;
using Groups = QMap<int, QList<LogRecord>>;

// Readings that test the formats' edges: an unknown unit, numbers without a short decimal
// form, not-a-number.
Frames OddFrames()
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    return {LogFrame(0, {0.1f, 123.456f, 1e30f}), LogFrame(7, {50.0f}), LogFrame(0, {}),
            LogFrame(1, {nan, -0.5f}), LogFrame(2, {2100.0f})};
}

Groups GroupsOf(const Frames &frames)
{
    Groups groups;
    for (int frame = 0; frame < frames.size(); ++frame) {
        for (const float reading : frames.at(frame).readings)
            groups[frame].append({static_cast<qint8>(frames.at(frame).unit), reading});
    }
    return groups;
}

// What the window's export, or the CSV and JSON forms, make of the memory the gauge sent.
QByteArray Expected(const QString &format, const Frames &frames)
{
    const Groups groups = GroupsOf(frames);
    if (format == "csv")
        return MemoryCsvExport::Csv(groups);
    if (format == "json")
        return MemoryCsvExport::Json(groups, GaugeSim::LogFrameCount);
    return MemoryTextExport::Text(groups, "Number", "Data", "Unit").toUtf8();
}
} // namespace

Q_DECLARE_METATYPE(Frames)

// Downloads from the simulated gauge through the built program.
class TstDownloadCommand : public QObject
{
    Q_OBJECT
private:
    QScopedPointer<GaugeSimThread> m_gauge;
    QTemporaryDir m_dir;

    QStringList Download(const QStringList &more) const
    {
        return QStringList{"download", "--port", (*m_gauge)->PortName()} + more;
    }

private slots:
    void init()
    {
        if (CliProcess::Program().isEmpty())
            QSKIP("VARNOLITHIC_BIN_DIR does not name the program's folder");
        QVERIFY(m_dir.isValid());
        m_gauge.reset(new GaugeSimThread);
        QVERIFY(m_gauge->IsOpen());
    }
    void cleanup() { m_gauge.reset(); }

    void downloadsTheMemory_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<Frames>("frames");
        QTest::addColumn<bool>("toFile");

        for (const QString format : {"txt", "csv", "json"}) {
            QTest::addRow("%s, mixed units", qPrintable(format))
                << format << MixedFrames() << false;
            QTest::addRow("%s, edge readings, to a file", qPrintable(format))
                << format << OddFrames() << true;
        }
        QTest::newRow("txt by default, all frames empty")
            << QString() << Frames(GaugeSim::LogFrameCount, LogFrame(0, {})) << false;
    }
    void downloadsTheMemory()
    {
        QFETCH(QString, format);
        QFETCH(Frames, frames);
        QFETCH(bool, toFile);
        (*m_gauge)->SetLogFrames(frames);
        QStringList arguments = format.isEmpty() ? QStringList() : QStringList{"--format", format};
        const QString file = m_dir.filePath(QStringLiteral("memory"));
        if (toFile)
            arguments << "--output" << file;

        const CliProcess run = CliProcess::Run(Download(arguments));
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE((*m_gauge)->Received(), QByteArray("\xF6"));
        QByteArray output = run.out;
        if (toFile) {
            QCOMPARE(output, QByteArray());
            QFile written(file);
            QVERIFY(written.open(QIODevice::ReadOnly));
            output = written.readAll();
        }
        QCOMPARE(output, Expected(format, frames));
    }

    void failsOnTheDevice_data()
    {
        QTest::addColumn<int>("frameLimit");
        QTest::addColumn<bool>("unplug");
        QTest::addColumn<QString>("message");

        QTest::newRow("gauge sends four of five groups")
            << 4 << false << "time-out: the gauge sent 4 of 5 memory groups\n";
        QTest::newRow("gauge does not answer")
            << 0 << false << "time-out: the gauge sent 0 of 5 memory groups\n";
        QTest::newRow("adapter pulled out during the download")
            << GaugeSim::LogFrameCount << true << "the device was lost during the download\n";
    }
    void failsOnTheDevice()
    {
        QFETCH(int, frameLimit);
        QFETCH(bool, unplug);
        QFETCH(QString, message);
        (*m_gauge)->SetLogFrameLimit(frameLimit);
        // Long enough at the gauge's line rate to be pulled out in the middle.
        (*m_gauge)->SetLogFrames(
            Frames(GaugeSim::LogFrameCount, LogFrame(0, QVector<float>(200, 80))));
        (*m_gauge)->SetLineRate(GaugeSim::LineRate9600_8O1);
        (*m_gauge)->SetChunkSize(1);
        const QString file = m_dir.filePath(QStringLiteral("never"));

        QProcess process;
        CliProcess::Prepare(process);
        process.start(CliProcess::Program(), Download({"--format", "csv", "--output", file}));
        if (unplug) {
            QTRY_VERIFY_WITH_TIMEOUT((*m_gauge)->PendingBytes() > 0, 10000);
            (*m_gauge)->Unplug();
        }
        const CliProcess run = CliProcess::Finish(process);
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("varnolithic-cli: ") + message);
        QVERIFY(!QFile::exists(file));
    }

    void portThatDoesNotOpen_data()
    {
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("permissionHint");
        const bool onLinux = QSysInfo::kernelType() == QLatin1String("linux");
        QTest::newRow("no such port") << false << false;
        QTest::newRow("held by another program") << true << onLinux;
    }
    void portThatDoesNotOpen()
    {
        QFETCH(bool, held);
        QFETCH(bool, permissionHint);
        const QString name = held ? (*m_gauge)->PortName() : m_dir.filePath("no-such-port");
        QSerialPort holder(name);
        QVERIFY(!held || holder.open(QIODevice::ReadWrite));

        const CliProcess run = CliProcess::Run({"download", "--port", name});
        QCOMPARE(run.exitCode, 3);
        const QString error = QString::fromUtf8(run.err);
        QVERIFY2(error.startsWith("varnolithic-cli: cannot open " + name + ": "),
                 qPrintable(error));
        // The system's reason follows the name.
        QVERIFY2(error.section('\n', 0, 0).size() > name.size() + 35, qPrintable(error));
        QCOMPARE(error.contains("dialout"), permissionHint);
        QCOMPARE((*m_gauge)->Received(), QByteArray());
    }

    void outputThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("outputFile");
        QTest::addColumn<QString>("standardOutput");
        QTest::addColumn<QString>("message");

        QTest::newRow("file in a missing folder")
            << m_dir.filePath("missing/memory.csv") << QString()
            << "varnolithic-cli: cannot write " + m_dir.filePath("missing/memory.csv") + ": ";
        QTest::newRow("full standard output")
            << QString() << "/dev/full"
            << "varnolithic-cli: cannot write to the standard output: ";
    }
    void outputThatCannotBeWritten()
    {
        QFETCH(QString, outputFile);
        QFETCH(QString, standardOutput);
        QFETCH(QString, message);
        if (!standardOutput.isEmpty() && !QFile::exists(standardOutput))
            QSKIP("this system has no full device");
        QStringList arguments{"--format", "csv"};
        if (!outputFile.isEmpty())
            arguments << "--output" << outputFile;
        const CliProcess run = CliProcess::Run(Download(arguments), standardOutput);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(message.toUtf8()), run.err.constData());
        QVERIFY(outputFile.isEmpty() || !QFile::exists(outputFile));
    }
};

QTEST_GUILESS_MAIN(TstDownloadCommand)
#include "TstDownloadCommand.moc"
