#include "GuardAnnouncement.h"
#include "GuardBlock.h"
#include "SingleApplication.h"
#include "SingleApplicationPrivate.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSharedMemory>
#include <QUuid>
#include <QtTest>

#include <cstdio>
#include <cstring>

// The test process itself is the primary instance of a guard of its own. Started with
// "--child <role> <application name>" it plays another instance of some guard instead:
//   announce: start as the program does; exit status 3 if it came up as primary,
//   primary:  come up as primary, print "primary", quit on the first received message,
//   secondary: start with secondaries allowed and announced, print the instance number.
namespace {
constexpr int kBecamePrimary = 3;
const SingleApplication::GuardOptions kOptions = SingleApplication::PerUser;

QString GuardNameOf(const QString &appName)
{
    return SingleApplicationPrivate::GuardNameFor(
        kOptions, appName, QString(), QString(), QString(), QCoreApplication::applicationFilePath(),
        SingleApplicationPrivate::CurrentUserName());
}

QString UniqueName(const char *purpose)
{
    return QStringLiteral("TstSingleApplication-%1-%2")
        .arg(QLatin1String(purpose), QUuid::createUuid().toString(QUuid::Id128));
}

int RunChild(int argc, char *argv[])
{
    const QByteArray role = argv[2];
    QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[3]));
    if (role == "secondary") {
        SingleApplication app(argc, argv, true, kOptions | SingleApplication::NotifyOnSecondary,
                              1000);
        std::printf("%u\n", app.InstanceId());
        return app.IsPrimary() ? kBecamePrimary : 0;
    }
    SingleApplication app(argc, argv, false, kOptions, 1000);
    if (role == "announce")
        return kBecamePrimary;
    QObject::connect(&app, &SingleApplication::receivedMessage, &app, &QCoreApplication::quit);
    std::printf("primary\n");
    std::fflush(stdout);
    return app.exec();
}

// Reads a copy of the guard block of another guard, attaching as a bystander.
bool ReadBlock(QSharedMemory &memory, GuardBlock *block)
{
    if (!memory.isAttached() && !memory.attach())
        return false;
    memory.lock();
    std::memcpy(block, memory.constData(), sizeof *block);
    memory.unlock();
    return true;
}

QByteArray Announcement(const QString &guardName, GuardAnnouncement::ConnectKind kind,
                        quint32 instanceId)
{
    const QByteArray body = GuardAnnouncement::BuildBody(guardName, kind, instanceId);
    return GuardAnnouncement::BuildHeader(body.size()) + body;
}
} // namespace

class TstSingleApplication : public QObject
{
    Q_OBJECT
private:
    SingleApplication *App() const { return static_cast<SingleApplication *>(qApp); }

    void StartChild(QProcess &child, const char *role, const QString &appName)
    {
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({"--child", role, appName});
        child.start();
        QVERIFY(child.waitForStarted(5000));
    }

    static bool WaitUntilPrimary(QProcess &child)
    {
        QByteArray output;
        QElapsedTimer timer;
        timer.start();
        while (!output.contains("primary") && timer.elapsed() < 10000) {
            if (child.waitForReadyRead(100))
                output += child.readAllStandardOutput();
        }
        return output.contains("primary");
    }

    // Starts a primary of another guard and checks its block through memory.
    void StartPrimaryChild(QProcess &primary, const QString &appName, QSharedMemory &memory)
    {
        StartChild(primary, "primary", appName);
        QVERIFY(WaitUntilPrimary(primary));
        GuardBlock block;
        QVERIFY(ReadBlock(memory, &block));
        QCOMPARE(int(block.primary), 1);
        QCOMPARE(block.primaryPid, primary.processId());
    }

    // Starts an instance that must come up as primary; returns its error output.
    QByteArray StartExpectingPrimary(const QString &appName)
    {
        QProcess next;
        StartChild(next, "announce", appName);
        if (!next.waitForFinished(20000))
            QTest::qFail("the new instance did not end", __FILE__, __LINE__);
        if (next.exitCode() != kBecamePrimary)
            QTest::qFail("the new instance did not come up as primary", __FILE__, __LINE__);
        return next.readAllStandardError();
    }

    void ConnectClient(QLocalSocket &client)
    {
        client.connectToServer(App()->GuardName());
        QVERIFY(client.waitForConnected(2000));
    }

    void WritePiece(QLocalSocket &client, const QByteArray &piece)
    {
        client.write(piece);
        QVERIFY(client.waitForBytesWritten(2000));
    }

private slots:
    void guardNameFollowsItsInputs_data()
    {
        QTest::addColumn<int>("options");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("same");
        const int perUser = SingleApplication::PerUser;
        const int ignorePath = SingleApplication::IgnorePath;
        const int ignoreVersion = SingleApplication::IgnoreVersion;
        QTest::newRow("same inputs") << perUser << "/opt/app/bin"
                                     << "alice"
                                     << "" << true;
        QTest::newRow("other user") << perUser << "/opt/app/bin"
                                    << "bob"
                                    << "" << false;
        QTest::newRow("other user, machine-wide") << 0 << "/opt/app/bin"
                                                  << "bob"
                                                  << "" << true;
        QTest::newRow("other path") << perUser << "/home/alice/app/bin"
                                    << "alice"
                                    << "" << false;
        QTest::newRow("path in other case") << perUser << "/OPT/App/BIN"
                                            << "alice"
                                            << "" << true;
        QTest::newRow("other path, path ignored") << (perUser | ignorePath) << "/elsewhere"
                                                  << "alice"
                                                  << "" << true;
        QTest::newRow("other version") << perUser << "/opt/app/bin"
                                       << "alice"
                                       << "2.2" << false;
        QTest::newRow("other version, ignored") << (perUser | ignoreVersion) << "/opt/app/bin"
                                                << "alice"
                                                << "2.2" << true;
    }
    void guardNameFollowsItsInputs()
    {
        QFETCH(int, options);
        QFETCH(QString, path);
        QFETCH(QString, user);
        QFETCH(QString, version);
        QFETCH(bool, same);
        const auto flags = SingleApplication::GuardOptions(options);
        const QString base = SingleApplicationPrivate::GuardNameFor(
            flags, "app", "org", "example.org", "", "/opt/app/bin", "alice");
        const QString name = SingleApplicationPrivate::GuardNameFor(
            flags, "app", "org", "example.org", version, path, user);
        QCOMPARE(name == base, same);
        QCOMPARE(name.size(), 44);
        QVERIFY(!name.contains('/'));
    }

    void primaryHoldsTheBlock()
    {
        QVERIFY(App()->IsPrimary());
        QCOMPARE(App()->InstanceId(), 0u);
        QCOMPARE(App()->GuardName(), GuardNameOf(QCoreApplication::applicationName()));
        QSharedMemory memory(App()->GuardName());
        GuardBlock block;
        QVERIFY(ReadBlock(memory, &block));
        QVERIFY(block.IsConsistent());
        QCOMPARE(int(block.primary), 1);
        QCOMPARE(block.primaryPid, QCoreApplication::applicationPid());
        QCOMPARE(QString::fromUtf8(block.primaryUser), SingleApplicationPrivate::CurrentUserName());
    }

    void secondStartAnnouncesItselfAndExits()
    {
        QSignalSpy started(App(), &SingleApplication::instanceStarted);
        QSignalSpy messages(App(), &SingleApplication::receivedMessage);
        QProcess child;
        StartChild(child, "announce", QCoreApplication::applicationName());
        QTRY_COMPARE_WITH_TIMEOUT(child.state(), QProcess::NotRunning, 10000);
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, 5000);
        QVERIFY(!started.wait(200));
        QCOMPARE(messages.count(), 0);
    }

    void secondariesAreCountedAndKeepRunning()
    {
        QSignalSpy started(App(), &SingleApplication::instanceStarted);
        for (const QByteArray expected : {"1", "2"}) {
            QProcess child;
            StartChild(child, "secondary", QCoreApplication::applicationName());
            QVERIFY(child.waitForFinished(10000));
            QCOMPARE(child.exitCode(), 0);
            QCOMPARE(child.readAllStandardOutput().trimmed(), expected);
        }
        // This primary was started without NotifyOnSecondary.
        QVERIFY(!started.wait(200));
        QCOMPARE(started.count(), 0);
    }

    void announcementInPieces_data()
    {
        QTest::addColumn<QList<int>>("cuts");
        QTest::newRow("header, then body") << QList<int>{8};
        QTest::newRow("header split") << QList<int>{3, 8};
        QTest::newRow("body in chunks") << QList<int>{8, 12, 30, 50};
        QTest::newRow("header and a bit of body") << QList<int>{10};
    }
    void announcementInPieces()
    {
        QFETCH(QList<int>, cuts);
        QSignalSpy started(App(), &SingleApplication::instanceStarted);
        const QByteArray message =
            Announcement(App()->GuardName(), GuardAnnouncement::Duplicate, 0);
        QLocalSocket client;
        ConnectClient(client);
        int from = 0;
        for (int cut : cuts) {
            WritePiece(client, message.mid(from, cut - from));
            from = cut;
            QVERIFY(!started.wait(100));
        }
        WritePiece(client, message.mid(from));
        QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, 5000);
        QCOMPARE(client.state(), QLocalSocket::ConnectedState);
    }

    void refusedAnnouncementClosesTheConnection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString guard = UniqueName("other");
        QByteArray wrongSum = Announcement(GuardNameOf(QCoreApplication::applicationName()),
                                           GuardAnnouncement::Duplicate, 0);
        wrongSum[wrongSum.size() - 1] = static_cast<char>(wrongSum.at(wrongSum.size() - 1) ^ 1);
        QTest::newRow("wrong checksum") << wrongSum + "trailing bytes";
        QTest::newRow("other guard name")
            << Announcement(GuardNameOf(guard), GuardAnnouncement::Duplicate, 0) + "more";
        QTest::newRow("gigabyte header") << GuardAnnouncement::BuildHeader(qint64(1) << 30);
        QTest::newRow("negative length") << GuardAnnouncement::BuildHeader(-5);
        QTest::newRow("garbage body")
            << GuardAnnouncement::BuildHeader(16) + QByteArray(16, '\xff');
    }
    void refusedAnnouncementClosesTheConnection()
    {
        QFETCH(QByteArray, bytes);
        QSignalSpy started(App(), &SingleApplication::instanceStarted);
        QSignalSpy messages(App(), &SingleApplication::receivedMessage);
        QLocalSocket client;
        ConnectClient(client);
        WritePiece(client, bytes);
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 5000);
        QVERIFY(!started.wait(100));
        QCOMPARE(started.count(), 0);
        QCOMPARE(messages.count(), 0);
    }

    void bytesAfterTheAnnouncementAreMessages_data()
    {
        QTest::addColumn<bool>("closeAtOnce");
        QTest::newRow("sender stays") << false;
        QTest::newRow("sender closes at once") << true;
    }
    void bytesAfterTheAnnouncementAreMessages()
    {
        QFETCH(bool, closeAtOnce);
        QSignalSpy started(App(), &SingleApplication::instanceStarted);
        QSignalSpy messages(App(), &SingleApplication::receivedMessage);
        QLocalSocket client;
        ConnectClient(client);
        // A secondary is only counted when NotifyOnSecondary is set, which it is not here.
        WritePiece(client,
                   Announcement(App()->GuardName(), GuardAnnouncement::Secondary, 7) + "first");
        if (closeAtOnce) {
            client.disconnectFromServer();
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(messages.count() >= 1, 5000);
            WritePiece(client, "second");
        }
        const QByteArray expected = closeAtOnce ? "first" : "firstsecond";
        QByteArray received;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                received.clear();
                for (const QList<QVariant> &message : qAsConst(messages)) {
                    if (message.at(0).toUInt() != 7u)
                        return false;
                    received += message.at(1).toByteArray();
                }
                return received == expected;
            }(),
            5000);
        QCOMPARE(started.count(), 0);
    }

    void primaryEndingNormallyClearsTheBlock()
    {
        const QString appName = UniqueName("normal");
        QProcess primary;
        QSharedMemory memory(GuardNameOf(appName));
        StartPrimaryChild(primary, appName, memory);
        if (QTest::currentTestFailed())
            return;

        QLocalSocket client;
        client.connectToServer(GuardNameOf(appName));
        QVERIFY(client.waitForConnected(2000));
        WritePiece(client,
                   Announcement(GuardNameOf(appName), GuardAnnouncement::Secondary, 1) + "quit");
        QVERIFY(primary.waitForFinished(10000));
        QCOMPARE(primary.exitCode(), 0);

        GuardBlock block;
        QVERIFY(ReadBlock(memory, &block));
        QVERIFY(block.IsConsistent());
        QCOMPARE(int(block.primary), 0);
        QCOMPARE(block.primaryPid, -1);
        StartExpectingPrimary(appName);
    }

    void startAfterACrashedPrimaryTakesOver()
    {
        const QString appName = UniqueName("crash");
        QProcess primary;
        // Attaching keeps the segment alive past the kill, as a crash leaves it on Unix anyway.
        QSharedMemory memory(GuardNameOf(appName));
        StartPrimaryChild(primary, appName, memory);
        if (QTest::currentTestFailed())
            return;
        primary.kill();
        QVERIFY(primary.waitForFinished(5000));
        QVERIFY(StartExpectingPrimary(appName).contains("taking over"));
    }

    void inconsistentBlockIsResetAfterFiveSeconds()
    {
        const QString appName = UniqueName("torn");
        QSharedMemory memory(GuardNameOf(appName));
        QVERIFY(memory.create(sizeof(GuardBlock)));
        memory.lock();
        auto *block = static_cast<GuardBlock *>(memory.data());
        block->SetPrimary(QCoreApplication::applicationPid(), "someone");
        block->checksum ^= 0x5a5a;
        memory.unlock();

        QVERIFY(StartExpectingPrimary(appName).contains(
            "SingleApplication: Shared memory block has been in an inconsistent state from "
            "more than 5s. Assuming primary instance failure."));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0)
        return RunChild(argc, argv);
    QCoreApplication::setApplicationName(UniqueName("primary"));
    SingleApplication app(argc, argv, false, kOptions, 1000);
    TstSingleApplication test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "TstSingleApplication.moc"
