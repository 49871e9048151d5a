#include "GuardAnnouncement.h"
#include "OpenDescriptors.h"
#include "SingleApplication.h"

#include <QLocalSocket>
#include <QUuid>
#include <QtTest>

#include <memory>
#include <random>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#endif

// The test process is the primary instance of a guard of its own; its tests connect to the
// guard's server as broken or hostile instances would, and check that the primary drops them
// and still greets a real second start afterwards. The seed is printed with every failure.
namespace {
constexpr quint32 kSeed = 777;

QByteArray ValidAnnouncement(const QString &guardName)
{
    const QByteArray body =
        GuardAnnouncement::BuildBody(guardName, GuardAnnouncement::Duplicate, 0);
    return GuardAnnouncement::BuildHeader(body.size()) + body;
}
} // namespace

class TstGuardFaults : public QObject
{
    Q_OBJECT
private:
    SingleApplication *App() const { return static_cast<SingleApplication *>(qApp); }

    // A real second start, as the secondary writes it: the primary must take it.
    void ExpectValidAnnouncementAccepted()
    {
        QSignalSpy started(App(), &SingleApplication::instanceStarted);
        QLocalSocket client;
        client.connectToServer(App()->GuardName());
        QVERIFY(client.waitForConnected(2000));
        client.write(ValidAnnouncement(App()->GuardName()));
        QVERIFY(client.waitForBytesWritten(2000));
        QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, 5000);
    }

    QString SocketFile() const { return QDir(QDir::tempPath()).filePath(App()->GuardName()); }

#ifdef Q_OS_UNIX
    // The socket file's identity, empty while there is none: a server made again has another
    // (its inode may be the lost file's again, its change time is not).
    QString SocketIdentity() const
    {
        struct stat status = {};
        if (::stat(QFile::encodeName(SocketFile()).constData(), &status) != 0)
            return {};
        return QStringLiteral("%1:%2.%3")
            .arg(status.st_ino)
            .arg(status.st_ctim.tv_sec)
            .arg(status.st_ctim.tv_nsec);
    }
#endif

    // Lets the primary see the ends of the connections and delete their sockets.
    static void Settle()
    {
        QTest::qWait(200);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void truncatedAnnouncementThenDisconnect_data()
    {
        QTest::addColumn<int>("cut");
        QTest::newRow("part of the header") << 3;
        QTest::newRow("header only") << GuardAnnouncement::HeaderSize;
        QTest::newRow("header and part of the body") << GuardAnnouncement::HeaderSize + 5;
        QTest::newRow("all but the last byte") << -1;
    }
    void truncatedAnnouncementThenDisconnect()
    {
        QFETCH(int, cut);
        const QByteArray whole = ValidAnnouncement(App()->GuardName());
        QSignalSpy started(App(), &SingleApplication::instanceStarted);
        QSignalSpy messages(App(), &SingleApplication::receivedMessage);
        {
            QLocalSocket client;
            client.connectToServer(App()->GuardName());
            QVERIFY(client.waitForConnected(2000));
            client.write(cut < 0 ? whole.left(whole.size() - 1) : whole.left(cut));
            QVERIFY(client.waitForBytesWritten(2000));
            client.disconnectFromServer();
        }
        Settle();
        QCOMPARE(started.count(), 0);
        QCOMPARE(messages.count(), 0);
        ExpectValidAnnouncementAccepted();
    }

    // A peer that starts an announcement and then says nothing more must not hold its
    // connection for ever.
    void stalledAnnouncementIsDropped()
    {
        QLocalSocket client;
        client.connectToServer(App()->GuardName());
        QVERIFY(client.waitForConnected(2000));
        client.write(ValidAnnouncement(App()->GuardName()).left(5));
        QVERIFY(client.waitForBytesWritten(2000));
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 15000);
        ExpectValidAnnouncementAccepted();
    }

    // The server loses its socket: to connections it has no descriptor left for, or to a
    // cleaner of the temporary folder. It listens again as soon as it can, and a second start
    // is greeted as before.
    void lostServerSocketIsMadeAgain_data()
    {
        QTest::addColumn<bool>("exhaustDescriptors");
        QTest::newRow("descriptors run out") << true;
        QTest::newRow("socket file removed") << false;
    }
    void lostServerSocketIsMadeAgain()
    {
#ifndef Q_OS_LINUX
        QSKIP("descriptor limits and socket files are a Linux matter here");
#else
        QFETCH(bool, exhaustDescriptors);
        const QString first = SocketIdentity();
        QVERIFY(!first.isEmpty());
        std::vector<std::unique_ptr<QLocalSocket>> clients;
        if (exhaustDescriptors) {
            rlimit limit = {};
            QCOMPARE(getrlimit(RLIMIT_NOFILE, &limit), 0);
            const rlimit before = limit;
            limit.rlim_cur = rlim_t(OpenDescriptors() + 24);
            QCOMPARE(setrlimit(RLIMIT_NOFILE, &limit), 0);
            // Each connection takes a descriptor here and one in the server once it takes it.
            for (int i = 0; i < 40; ++i) {
                clients.push_back(std::make_unique<QLocalSocket>());
                clients.back()->connectToServer(App()->GuardName());
            }
            // The server loses its socket at the first connection it cannot take; whether it
            // is made again at once, with the descriptor the lost one freed, or only once the
            // limit is lifted depends on what else took that descriptor.
            QTRY_VERIFY_WITH_TIMEOUT(SocketIdentity() != first, 5000);
            QTest::qWait(500);
            clients.clear();
            QCOMPARE(setrlimit(RLIMIT_NOFILE, &before), 0);
        } else {
            QVERIFY(QFile::remove(SocketFile()));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!SocketIdentity().isEmpty() && SocketIdentity() != first, 2000);
        Settle();
        ExpectValidAnnouncementAccepted();
#endif
    }

    void hugeHeaderFollowedByAFlood()
    {
        QSignalSpy messages(App(), &SingleApplication::receivedMessage);
        QLocalSocket client;
        client.connectToServer(App()->GuardName());
        QVERIFY(client.waitForConnected(2000));
        client.write(GuardAnnouncement::BuildHeader(qint64(64) << 30));
        client.write(QByteArray(1 << 20, '\x5a'));
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 5000);
        QCOMPARE(messages.count(), 0);
        ExpectValidAnnouncementAccepted();
    }

    // Hundreds of connections in a row, each with random bytes, a random cut of a real
    // announcement, or nothing at all: no announcement, no message, no descriptor left behind.
    void manyBrokenConnectionsInARow()
    {
        Settle();
        const int descriptors = OpenDescriptors();
        QSignalSpy started(App(), &SingleApplication::instanceStarted);
        QSignalSpy messages(App(), &SingleApplication::receivedMessage);
        std::mt19937 random(kSeed);
        const QByteArray whole = ValidAnnouncement(App()->GuardName());
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes;
            switch (random() % 3) {
            case 0:
                bytes.resize(int(random() % 200));
                for (char &byte : bytes)
                    byte = char(random());
                break;
            case 1:
                bytes = whole.left(int(random() % quint32(whole.size())));
                break;
            default:
                break;
            }
            QLocalSocket client;
            client.connectToServer(App()->GuardName());
            QVERIFY2(client.waitForConnected(2000),
                     qPrintable(QString("seed %1, round %2").arg(kSeed).arg(round)));
            if (!bytes.isEmpty()) {
                client.write(bytes);
                client.waitForBytesWritten(2000);
            }
            QCoreApplication::processEvents();
            client.abort();
        }
        Settle();
        QCOMPARE(started.count(), 0);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(OpenDescriptors(), descriptors);
        ExpectValidAnnouncementAccepted();
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(
        QStringLiteral("TstGuardFaults-%1").arg(QUuid::createUuid().toString(QUuid::Id128)));
    SingleApplication app(argc, argv, false, SingleApplication::PerUser, 1000);
    TstGuardFaults test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "TstGuardFaults.moc"
