#include "M7kProtocol.h"

#include <QMetaEnum>
#include <QtTest>

class TstM7kProtocol : public QObject
{
    Q_OBJECT
private slots:
    void buildersReturnOneCommandByte_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("value");
        const M7kProtocol protocol;
        QTest::newRow("start") << protocol.SetRealTimeReadyCmd() << 0xF1;
        QTest::newRow("stop") << protocol.SetRealTimeStopCmd() << 0xF0;
        QTest::newRow("download") << protocol.GetLogCmd() << 0xF6;
    }
    void buildersReturnOneCommandByte()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, value);
        QCOMPARE(frame.size(), 1);
        QCOMPARE(static_cast<quint8>(frame.at(0)), static_cast<quint8>(value));
    }

    void enumeratorsKeepDeclarationOrder()
    {
        const QMetaEnum commands = QMetaEnum::fromType<M7kProtocol::PROTOCOL_CMD>();
        QVERIFY(!commands.isFlag());
        const QList<QPair<QByteArray, int>> expected = {{"CMD_SET_REALTIMEREADY", 0xF1},
                                                        {"CMD_SET_REALTIMESTOP", 0xF0},
                                                        {"CMD_GET_LOGGROUP1", 0xF2},
                                                        {"CMD_GET_LOGGROUP2", 0xF3},
                                                        {"CMD_GET_LOGGROUP3", 0xF4},
                                                        {"CMD_GET_LOGGROUP4", 0xF5},
                                                        {"CMD_GET_LOG", 0xF6}};
        QCOMPARE(commands.keyCount(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(QByteArray(commands.key(i)), expected[i].first);
            QCOMPARE(commands.value(i), expected[i].second);
        }
    }
};

QTEST_GUILESS_MAIN(TstM7kProtocol)
#include "TstM7kProtocol.moc"
