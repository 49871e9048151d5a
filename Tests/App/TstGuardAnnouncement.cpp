#include "GuardAnnouncement.h"

#include <QtTest>

namespace {
const QString kGuard = QStringLiteral("c2luZ2xlLWd1YXJkLW5hbWUtZm9yLXRlc3Rz_abc=");

// A body with the given name bytes and a checksum that matches them.
QByteArray SealedBody(const QByteArray &nameBytes, qint8 kind, quint32 instanceId)
{
    QByteArray body;
    QDataStream stream(&body, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_9);
    stream << nameBytes << kind << instanceId;
    stream << qChecksum(body.constData(), static_cast<uint>(body.size()));
    return body;
}
} // namespace

class TstGuardAnnouncement : public QObject
{
    Q_OBJECT
private slots:
    void headerIsBigEndianLength()
    {
        QCOMPARE(GuardAnnouncement::BuildHeader(0x0102).toHex(), QByteArray("0000000000000102"));
        qint64 length = -1;
        QVERIFY(GuardAnnouncement::ReadHeader(GuardAnnouncement::BuildHeader(55), &length));
        QCOMPARE(length, 55);
    }

    void headerOutsideTheLimitsIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("gigabytes") << GuardAnnouncement::BuildHeader(qint64(4) << 30);
        QTest::newRow("one past the limit")
            << GuardAnnouncement::BuildHeader(GuardAnnouncement::MaxBodySize + 1);
        QTest::newRow("negative") << GuardAnnouncement::BuildHeader(-1);
        QTest::newRow("short") << QByteArray(7, '\0');
    }
    void headerOutsideTheLimitsIsRefused()
    {
        QFETCH(QByteArray, bytes);
        qint64 length = 0;
        QVERIFY(!GuardAnnouncement::ReadHeader(bytes, &length));
    }

    void bodyLayout()
    {
        const QByteArray body = GuardAnnouncement::BuildBody(
            QStringLiteral("AB"), GuardAnnouncement::Duplicate, 0x01020304);
        // name length, name, kind, instance number, checksum
        QCOMPARE(body.left(11).toHex(), QByteArray("00000002414201") + "01020304");
        QCOMPARE(body.size(), 13);
        const quint16 sum = qChecksum(body.constData(), 11);
        QCOMPARE(static_cast<quint8>(body.at(11)), static_cast<quint8>(sum >> 8));
        QCOMPARE(static_cast<quint8>(body.at(12)), static_cast<quint8>(sum & 0xFF));
    }

    void builtBodyIsAccepted_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<quint32>("instanceId");
        QTest::newRow("duplicate") << int(GuardAnnouncement::Duplicate) << 0u;
        QTest::newRow("secondary") << int(GuardAnnouncement::Secondary) << 42u;
    }
    void builtBodyIsAccepted()
    {
        QFETCH(int, kind);
        QFETCH(quint32, instanceId);
        const QByteArray body = GuardAnnouncement::BuildBody(
            kGuard, static_cast<GuardAnnouncement::ConnectKind>(kind), instanceId);
        GuardAnnouncement::Fields fields;
        QVERIFY(GuardAnnouncement::AcceptBody(body, kGuard, &fields));
        QCOMPARE(int(fields.kind), kind);
        QCOMPARE(fields.instanceId, instanceId);
        QCOMPARE(fields.guardName, kGuard.toLatin1());
    }

    void nameIsComparedUpToItsFirstNul()
    {
        const QByteArray padded = kGuard.toLatin1() + QByteArray("\0junk", 5);
        GuardAnnouncement::Fields fields;
        QVERIFY(GuardAnnouncement::AcceptBody(SealedBody(padded, 1, 3), kGuard, &fields));
        QCOMPARE(fields.instanceId, 3u);
    }

    void badBodyIsRefused_data()
    {
        QTest::addColumn<QByteArray>("body");
        const QByteArray good =
            GuardAnnouncement::BuildBody(kGuard, GuardAnnouncement::Duplicate, 0);
        QByteArray wrongSum = good;
        wrongSum[wrongSum.size() - 1] = static_cast<char>(wrongSum.at(wrongSum.size() - 1) ^ 1);
        QByteArray changedId = good;
        changedId[changedId.size() - 3] = 9;
        QTest::newRow("wrong checksum") << wrongSum;
        QTest::newRow("changed instance id") << changedId;
        QTest::newRow("other guard name")
            << GuardAnnouncement::BuildBody(kGuard + "x", GuardAnnouncement::Duplicate, 0);
        QTest::newRow("guard name prefix") << SealedBody(kGuard.left(10).toLatin1(), 1, 0);
        QTest::newRow("cut short") << good.left(good.size() - 1);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("name longer than the body") << QByteArray::fromHex("7fffffff41");
        QTest::newRow("oversized") << QByteArray(GuardAnnouncement::MaxBodySize + 1, 'A');
    }
    void badBodyIsRefused()
    {
        QFETCH(QByteArray, body);
        GuardAnnouncement::Fields fields;
        QVERIFY(!GuardAnnouncement::AcceptBody(body, kGuard, &fields));
    }
};

QTEST_APPLESS_MAIN(TstGuardAnnouncement)
#include "TstGuardAnnouncement.moc"
