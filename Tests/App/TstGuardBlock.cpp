#include "GuardBlock.h"

#include <QtTest>

#include <cstring>

class TstGuardBlock : public QObject
{
    Q_OBJECT
private:
    static GuardBlock Zeroed()
    {
        GuardBlock block;
        std::memset(&block, 0, sizeof block);
        return block;
    }

private slots:
    void resetGivesAnEmptyConsistentBlock()
    {
        GuardBlock block = Zeroed();
        block.secondary = 4;
        block.Reset();
        QCOMPARE(int(block.primary), 0);
        QCOMPARE(block.secondary, 0u);
        QCOMPARE(block.primaryPid, -1);
        QCOMPARE(block.primaryUser[0], '\0');
        QVERIFY(block.IsConsistent());
        QCOMPARE(block.checksum, qChecksum(reinterpret_cast<const char *>(&block), 144));
    }

    void checksumCoversEveryByteBeforeIt()
    {
        GuardBlock block = Zeroed();
        block.Reset();
        auto *bytes = reinterpret_cast<unsigned char *>(&block);
        for (int offset : {0, 3, 4, 8, 16, 143}) {
            GuardBlock changed = block;
            reinterpret_cast<unsigned char *>(&changed)[offset] ^= 0x40;
            QVERIFY2(!changed.IsConsistent(), qPrintable(QString::number(offset)));
        }
        bytes[150] ^= 0x40; // trailing padding lies outside the sum
        QVERIFY(block.IsConsistent());
    }

    void primaryUserIsCutTo127Bytes_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("short") << "alice" << QByteArray("alice");
        QTest::newRow("exactly 127") << QString(127, 'u') << QByteArray(127, 'u');
        QTest::newRow("too long") << QString(200, 'v') << QByteArray(127, 'v');
        QTest::newRow("utf-8") << QStringLiteral("李雷") << QStringLiteral("李雷").toUtf8();
    }
    void primaryUserIsCutTo127Bytes()
    {
        QFETCH(QString, user);
        QFETCH(QByteArray, stored);
        GuardBlock block = Zeroed();
        block.Reset();
        block.SetPrimary(4321, user);
        QCOMPARE(int(block.primary), 1);
        QCOMPARE(block.primaryPid, 4321);
        QCOMPARE(QByteArray(block.primaryUser), stored);
        QVERIFY(block.IsConsistent());

        block.ClearPrimary();
        QCOMPARE(int(block.primary), 0);
        QCOMPARE(block.primaryPid, -1);
        QCOMPARE(QByteArray(block.primaryUser), QByteArray());
        QVERIFY(block.IsConsistent());
    }
};

QTEST_APPLESS_MAIN(TstGuardBlock)
#include "TstGuardBlock.moc"
