#include "SerialDevFilter.h"

#include <QSerialPortInfo>
#include <QtTest>

class TstSerialDevFilter : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { SerialDevFilter::SetUserPorts({}); }

    void adapterListInTableOrder()
    {
        const QStringList expected = {"46388,1241", "29987,6790", "9171,1659", "22336,1155"};
        QCOMPARE(SerialDevFilter::AdapterList, expected);
    }

    void isAdapter_data()
    {
        QTest::addColumn<quint16>("productId");
        QTest::addColumn<quint16>("vendorId");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("CH340") << quint16(0x7523) << quint16(0x1A86) << true;
        QTest::newRow("first entry") << quint16(0xB534) << quint16(0x04D9) << true;
        QTest::newRow("PL2303") << quint16(0x23D3) << quint16(0x067B) << true;
        QTest::newRow("STM32 VCP") << quint16(0x5740) << quint16(0x0483) << true;
        QTest::newRow("same vendor, other product") << quint16(0x7522) << quint16(0x1A86) << false;
        QTest::newRow("swapped pair") << quint16(6790) << quint16(29987) << false;
        QTest::newRow("product of one entry, vendor of another")
            << quint16(0x7523) << quint16(0x0483) << false;
        QTest::newRow("no identifiers") << quint16(0) << quint16(0) << false;
    }
    void isAdapter()
    {
        QFETCH(quint16, productId);
        QFETCH(quint16, vendorId);
        QFETCH(bool, accepted);
        QCOMPARE(SerialDevFilter::IsAdapter(productId, vendorId), accepted);
    }

    void portWithoutIdentifiersIsRejected()
    {
        const QSerialPortInfo none;
        QCOMPARE(none.productIdentifier(), quint16(0));
        QVERIFY(!SerialDevFilter::IsGaugeAdapter(none));
        SerialDevFilter::SetUserPorts({"/dev/pts/3"});
        QVERIFY(!SerialDevFilter::IsGaugeAdapter(none));
    }

    void systemLocation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("location");
        QTest::newRow("device name") << "ttyUSB0"
                                     << "/dev/ttyUSB0";
        QTest::newRow("pseudo-terminal name") << "pts/3"
                                              << "/dev/pts/3";
        QTest::newRow("device path") << "/dev/pts/3"
                                     << "/dev/pts/3";
        QTest::newRow("symlink") << "/tmp/varnolithic-gauge"
                                 << "/tmp/varnolithic-gauge";
        QTest::newRow("relative path") << "./gauge"
                                       << "./gauge";
    }
    void systemLocation()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows names ports COMn");
#endif
        QFETCH(QString, name);
        QFETCH(QString, location);
        QCOMPARE(SerialDevFilter::SystemLocation(name), location);
    }

    void isUserPort_data()
    {
        QTest::addColumn<QStringList>("userPorts");
        QTest::addColumn<QString>("portName");
        QTest::addColumn<QString>("location");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("none named") << QStringList() << "ttyUSB0"
                                    << "/dev/ttyUSB0" << false;
        QTest::newRow("by port name") << QStringList{"ttyS1", "ttyUSB0"} << "ttyUSB0"
                                      << "/dev/ttyUSB0" << true;
        QTest::newRow("by device path") << QStringList{"/dev/ttyUSB0"} << "ttyUSB0"
                                        << "/dev/ttyUSB0" << true;
        QTest::newRow("other port") << QStringList{"/dev/ttyUSB1"} << "ttyUSB0"
                                    << "/dev/ttyUSB0" << false;
        QTest::newRow("empty names ignored") << QStringList{""} << ""
                                             << "/dev/" << false;
    }
    void isUserPort()
    {
        QFETCH(QStringList, userPorts);
        QFETCH(QString, portName);
        QFETCH(QString, location);
        QFETCH(bool, accepted);
        SerialDevFilter::SetUserPorts(userPorts);
        QCOMPARE(SerialDevFilter::IsUserPort(portName, location), accepted);
    }

    void listedPortAcceptedWhenNamed()
    {
        const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
        auto unknown = std::find_if(ports.begin(), ports.end(), [](const QSerialPortInfo &info) {
            return !SerialDevFilter::IsGaugeAdapter(info);
        });
        if (unknown == ports.end())
            QSKIP("no serial port of another make on this machine");
        SerialDevFilter::SetUserPorts({unknown->systemLocation()});
        QVERIFY(SerialDevFilter::IsGaugeAdapter(*unknown));
        SerialDevFilter::SetUserPorts({unknown->portName()});
        QVERIFY(SerialDevFilter::IsGaugeAdapter(*unknown));
    }

    // A later start's ports join those named at start-up, each once, in the order given.
    void laterPortsJoinTheNamedOnes_data()
    {
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("result");
        QTest::newRow("new ones") << QStringList{"ttyUSB3"} << QStringList{"/tmp/gauge", "COM5"}
                                  << QStringList{"ttyUSB3", "/tmp/gauge", "COM5"};
        QTest::newRow("known and repeated")
            << QStringList{"ttyUSB3"} << QStringList{"ttyUSB3", "/tmp/gauge", "/tmp/gauge"}
            << QStringList{"ttyUSB3", "/tmp/gauge"};
        QTest::newRow("empty names")
            << QStringList() << QStringList{"", "ttyACM0"} << QStringList{"ttyACM0"};
    }
    void laterPortsJoinTheNamedOnes()
    {
        QFETCH(QStringList, named);
        QFETCH(QStringList, added);
        QFETCH(QStringList, result);
        SerialDevFilter::SetUserPorts(named);
        SerialDevFilter::AddUserPorts(added);
        QCOMPARE(SerialDevFilter::UserPorts(), result);
    }
};

QTEST_GUILESS_MAIN(TstSerialDevFilter)
#include "TstSerialDevFilter.moc"
