#include "GaugeSimThread.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "PortOpenFailure.h"
#include "ProcessUser.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {
// The port a child run of this test opens as another user; see refusedWithoutPermission.
const char *const kRefusedPortVariable = "VARNOLITHIC_REFUSED_PORT";
const QString kNobody = QStringLiteral("65534");

// Opens the port and returns the one failure reported.
// Whether every user may run the file: each folder on its way searchable by others.
bool OthersMayRun(const QString &file)
{
    if (!(QFile::permissions(file) & QFileDevice::ExeOther))
        return false;
    for (QDir dir = QFileInfo(file).absoluteDir(); !dir.isRoot(); dir.cdUp()) {
        if (!(QFile::permissions(dir.absolutePath()) & QFileDevice::ExeOther))
            return false;
    }
    return true;
}

PortOpenFailure FailedOpen(KesSerialPort &port, const QString &name)
{
    QSignalSpy failures(&port, &KesSerialPort::OpenFailed);
    QSignalSpy errors(&port, &KesSerialPort::ErrorSerialPort);
    port.SetPortName(name);
    if (port.OpenSerial(9600, QSerialPort::OneStop, QSerialPort::OddParity))
        return PortOpenFailure();
    if (failures.count() != 1 || errors.count() != (name.isEmpty() ? 0 : 1))
        qFatal("open failures reported %d times, errors %d", failures.count(), errors.count());
    return failures.first().first().value<PortOpenFailure>();
}
} // namespace

class TstPortOpenFailure : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_logDir;

    void VerifyNoPermission(const PortOpenFailure &failure, const QString &name)
    {
        QCOMPARE(failure.WhyRefused(), PortOpenFailure::NoPermission);
        QVERIFY2(failure.UserText().contains(name), qPrintable(failure.UserText()));
        QVERIFY(failure.UserText().contains(QStringLiteral("dialout")));
        QVERIFY(failure.UserText().contains(QStringLiteral("udev")));
        QVERIFY(failure.LogText().contains(QStringLiteral("access to the device: no")));
    }

private slots:
    void initTestCase()
    {
        KesLog::Instance();
        QVERIFY(m_logDir.isValid());
        KesLog::SetFileBase(m_logDir.filePath(QStringLiteral("log")).toStdString());
    }

    void classify_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("accessible");
        QTest::addColumn<int>("reason");
        QTest::newRow("refused, device closed to us")
            << int(QSerialPort::PermissionError) << false << int(PortOpenFailure::NoPermission);
        QTest::newRow("refused, device open to us")
            << int(QSerialPort::PermissionError) << true << int(PortOpenFailure::Busy);
        QTest::newRow("missing") << int(QSerialPort::DeviceNotFoundError) << false
                                 << int(PortOpenFailure::Other);
        QTest::newRow("not a serial device")
            << int(QSerialPort::UnsupportedOperationError) << true << int(PortOpenFailure::Other);
    }
    void classify()
    {
        QFETCH(int, error);
        QFETCH(bool, accessible);
        QFETCH(int, reason);
        QCOMPARE(int(PortOpenFailure::Classify(QSerialPort::SerialPortError(error), accessible)),
                 reason);
    }

    void textsInBothLanguages_data()
    {
        QTest::addColumn<int>("reason");
        QTest::newRow("no port") << int(PortOpenFailure::NoPortChosen);
        QTest::newRow("no permission") << int(PortOpenFailure::NoPermission);
        QTest::newRow("busy") << int(PortOpenFailure::Busy);
    }
    void textsInBothLanguages()
    {
        QFETCH(int, reason);
        const PortOpenFailure failure =
            reason == PortOpenFailure::NoPortChosen
                ? PortOpenFailure::NoPort()
                : PortOpenFailure::Of(QStringLiteral("ttyUSB0"), QSerialPort::PermissionError,
                                      QStringLiteral("Permission denied"),
                                      reason == PortOpenFailure::Busy, QString());
        QCOMPARE(int(failure.WhyRefused()), reason);
        const QString english = failure.UserText();
        QTranslator chinese;
        QVERIFY(chinese.load(QStringLiteral(":/lang/language_zh_CN.qm")));
        QCoreApplication::installTranslator(&chinese);
        const QString translated = failure.UserText();
        QCoreApplication::removeTranslator(&chinese);

        QVERIFY(!english.isEmpty());
        QVERIFY2(translated != english, qPrintable(english));
        QVERIFY(std::any_of(translated.begin(), translated.end(),
                            [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() < 0xA000; }));
        QCOMPARE(english.contains(QStringLiteral("ttyUSB0")),
                 reason != PortOpenFailure::NoPortChosen);
        QCOMPARE(translated.contains(QStringLiteral("ttyUSB0")),
                 reason != PortOpenFailure::NoPortChosen);
    }

    // Failures without a hint of their own keep the channel's report.
    void missingPortKeepsTheChannelReport()
    {
        KesSerialPort port;
        const QString name = QStringLiteral("/dev/pts/no-such-gauge");
        const PortOpenFailure failure = FailedOpen(port, name);
        QCOMPARE(failure.WhyRefused(), PortOpenFailure::Other);
        QCOMPARE(failure.UserText(), QStringLiteral("SerialPort Open %1, error code 1").arg(name));
        QVERIFY(failure.LogText().contains(name));
    }

    void noPortName()
    {
        KesSerialPort port;
        QCOMPARE(FailedOpen(port, QString()).WhyRefused(), PortOpenFailure::NoPortChosen);
    }

    void portHeldByAnotherIsBusy()
    {
        GaugeSimThread gauge;
        QVERIFY(gauge.IsOpen());
        QSerialPort otherProgram(gauge->PortName());
        QVERIFY(otherProgram.open(QIODevice::ReadWrite));
        KesSerialPort port;
        const PortOpenFailure failure = FailedOpen(port, gauge->PortName());
        QCOMPARE(failure.WhyRefused(), PortOpenFailure::Busy);
        QVERIFY(failure.UserText().contains(gauge->PortName()));
        // The details also reach the log file.
        const auto logged = [this] {
            QFile log(m_logDir.filePath(QStringLiteral("log.log")));
            return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
        };
        QTRY_VERIFY(logged().contains("Open " + gauge->PortName().toUtf8() + " failed"));
    }

    // A device the user may not open. Root opens every device, so as root the open is made by
    // a run of this test as the user nobody.
    void refusedWithoutPermission()
    {
#ifndef Q_OS_LINUX
        QSKIP("device permissions are a Linux matter here");
#else
        GaugeSimThread gauge;
        QVERIFY(gauge.IsOpen());
        const QString name = gauge->PortName();
        QVERIFY(QFile::setPermissions(name, QFileDevice::Permissions()));
        if (!RunsAsRoot()) {
            KesSerialPort port;
            VerifyNoPermission(FailedOpen(port, name), name);
            return;
        }
        if (!OthersMayRun(QCoreApplication::applicationFilePath()))
            QSKIP("another user cannot run this test where it lies");
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kRefusedPortVariable), name);
        // The logger's worker may still write a line once the child's test logger has closed,
        // which QtTest answers with an abort; the child's own verdict is all that is read.
        environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                           QStringLiteral("default.debug=false"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.setWorkingDirectory(QDir::tempPath());
        child.start(QStringLiteral("setpriv"),
                    {QStringLiteral("--reuid=") + kNobody, QStringLiteral("--regid=") + kNobody,
                     QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                     QStringLiteral("openAsAnotherUser")});
        if (!child.waitForStarted(5000))
            QSKIP("setpriv is not available to run the open as another user");
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 output.constData());
        QVERIFY2(output.contains("PASS   : TstPortOpenFailure::openAsAnotherUser"),
                 output.constData());
#endif
    }

    // The half of refusedWithoutPermission that runs as another user.
    void openAsAnotherUser()
    {
        const QString name = qEnvironmentVariable(kRefusedPortVariable);
        if (name.isEmpty())
            QSKIP("run by refusedWithoutPermission");
        QVERIFY(!RunsAsRoot());
        KesSerialPort port;
        VerifyNoPermission(FailedOpen(port, name), name);
    }
};

QTEST_MAIN(TstPortOpenFailure)
#include "TstPortOpenFailure.moc"
