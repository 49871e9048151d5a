#include "LiveReading.h"

#include <QtEndian>
#include <QtTest>

#include <limits>

namespace {
QByteArray Frame(quint8 unitCode, float micrometres, quint8 type = 0x01)
{
    QByteArray frame(LiveReading::FrameSize, '\0');
    frame[0] = static_cast<char>(type);
    frame[1] = static_cast<char>(unitCode);
    qToLittleEndian(micrometres, frame.data() + 2);
    return frame;
}
} // namespace

class TstLiveReading : public QObject
{
    Q_OBJECT
private slots:
    void decodesFrame_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("unitCode");
        QTest::addColumn<QString>("readingText");
        QTest::addColumn<QString>("unitLabel");
        QTest::addColumn<bool>("overflow");
        QTest::addColumn<bool>("hasChartValue");
        QTest::addColumn<float>("chartValue");

        QTest::newRow("50 um in mils") << QByteArray::fromHex("010100004842") << 1 << "1.969 mils"
                                       << "Unit(mils)" << false << true << 1.969f;
        QTest::newRow("254 um in mils, two decimals") << Frame(1, 254.0f) << 1 << "10.00 mils"
                                                      << "Unit(mils)" << false << true << 10.0f;
        QTest::newRow("99.95 um") << Frame(0, 99.95f) << 0 << "100 um"
                                  << "Unit(um)" << false << true << 100.0f;
        QTest::newRow("12.34 um") << Frame(0, 12.34f) << 0 << "12.3 um"
                                  << "Unit(um)" << false << true << 12.3f;
        QTest::newRow("-5 um") << Frame(0, -5.0f) << 0 << "-5.0 um"
                               << "Unit(um)" << false << true << -5.0f;
        QTest::newRow("-100 um, lower end") << Frame(0, -100.0f) << 0 << "-100 um"
                                            << "Unit(um)" << false << true << -100.0f;
        QTest::newRow("2100 um in mm, upper end") << Frame(2, 2100.0f) << 2 << "2.100 mm"
                                                  << "Unit(mm)" << false << true << 2.1f;
        QTest::newRow("105 um in mm") << Frame(2, 105.0f) << 2 << "0.105 mm"
                                      << "Unit(mm)" << false << true << 0.105f;
        QTest::newRow("2100.5 um overflows") << Frame(2, 2100.5f) << 2 << ""
                                             << "Unit(mm)" << true << false << 2100.5f;
        QTest::newRow("-100.01 um overflows") << Frame(0, -100.01f) << 0 << ""
                                              << "Unit(um)" << true << false << -100.01f;
        QTest::newRow("NaN overflows")
            << Frame(1, std::numeric_limits<float>::quiet_NaN()) << 1 << ""
            << "Unit(mils)" << true << false << std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("unknown unit, raw value in range") << Frame(7, 150.5f) << 7 << ""
                                                          << "Unit()" << false << true << 150.5f;
        QTest::newRow("unknown unit, raw value out of range")
            << Frame(7, 3000.0f) << 7 << ""
            << "Unit()" << false << false << 3000.0f;
        QTest::newRow("negative unit code") << Frame(0xFF, 10.0f) << -1 << ""
                                            << "Unit()" << false << true << 10.0f;
    }
    void decodesFrame()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, unitCode);
        QFETCH(QString, readingText);
        QFETCH(QString, unitLabel);
        QFETCH(bool, overflow);
        QFETCH(bool, hasChartValue);
        QFETCH(float, chartValue);

        const auto reading = LiveReading::Decode(frame);
        QVERIFY(reading.has_value());
        QCOMPARE(int(reading->UnitCode()), unitCode);
        QCOMPARE(reading->ReadingText(), readingText);
        QCOMPARE(reading->UnitLabelText(), unitLabel);
        QCOMPARE(reading->IsOverflow(), overflow);
        QCOMPARE(reading->HasChartValue(), hasChartValue);
        if (std::isnan(chartValue))
            QVERIFY(std::isnan(reading->ChartValue()));
        else
            QCOMPARE(reading->ChartValue(), chartValue);
    }

    void ignoresOtherFrames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("frame type 0x02") << Frame(0, 50.0f, 0x02);
        QTest::newRow("5 bytes") << Frame(0, 50.0f).left(5);
        QTest::newRow("7 bytes") << Frame(0, 50.0f) + '\x01';
        QTest::newRow("empty") << QByteArray();
    }
    void ignoresOtherFrames()
    {
        QFETCH(QByteArray, frame);
        QVERIFY(!LiveReading::Decode(frame).has_value());
    }
};

QTEST_GUILESS_MAIN(TstLiveReading)
#include "TstLiveReading.moc"
