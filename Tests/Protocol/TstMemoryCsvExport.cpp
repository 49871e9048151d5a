#include "MemoryCsvExport.h"

#include <QJsonDocument>
#include <QtTest>

#include <limits>

namespace {
using Groups = QMap<int, QList<LogRecord>>;
const float NaN = std::numeric_limits<float>::quiet_NaN();
const float Infinity = std::numeric_limits<float>::infinity();
} // namespace

class TstMemoryCsvExport : public QObject
{
    Q_OBJECT
private slots:
    void formatsTheMemory_data()
    {
        QTest::addColumn<Groups>("groups");
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("frames"); // the gauge sent, with or without readings

        QTest::newRow("nothing downloaded")
            << Groups() << QByteArray("group,number,micrometres,value,unit\r\n")
            << QByteArray("{\"groups\":[]}\n") << 0;
        QTest::newRow("frame 0 kept, units of the frames, empty frames kept")
            << Groups{{0, {{0, 124.0f}, {0, 12.34f}}}, {2, {{1, 50.0f}}}, {4, {{2, 2100.0f}}}}
            << QByteArray("group,number,micrometres,value,unit\r\n"
                          "0,1,124,124,um\r\n"
                          "0,2,12.34,12.3,um\r\n"
                          "2,1,50,1.969,mils\r\n"
                          "4,1,2100,2.100,mm\r\n")
            << QByteArray("{\"groups\":["
                          "{\"group\":0,\"unit\":\"um\",\"readings\":["
                          "{\"number\":1,\"micrometres\":124.0,\"value\":\"124\"},"
                          "{\"number\":2,\"micrometres\":12.34,\"value\":\"12.3\"}]},"
                          "{\"group\":1,\"unit\":null,\"readings\":[]},"
                          "{\"group\":2,\"unit\":\"mils\",\"readings\":["
                          "{\"number\":1,\"micrometres\":50.0,\"value\":\"1.969\"}]},"
                          "{\"group\":3,\"unit\":null,\"readings\":[]},"
                          "{\"group\":4,\"unit\":\"mm\",\"readings\":["
                          "{\"number\":1,\"micrometres\":2100.0,\"value\":\"2.100\"}]}]}\n")
            << 5;
        QTest::newRow("full precision, no overflow text")
            << Groups{{1, {{0, 0.1f}, {0, 123.456f}, {0, -0.5f}, {0, 1e30f}, {0, 5000.0f}}}}
            << QByteArray("group,number,micrometres,value,unit\r\n"
                          "1,1,0.1,0.1,um\r\n"
                          "1,2,123.456,123,um\r\n"
                          "1,3,-0.5,-0.5,um\r\n"
                          "1,4,1e+30,1000000015047466219876688855040,um\r\n"
                          "1,5,5000,5000,um\r\n")
            << QByteArray("{\"groups\":[{\"group\":1,\"unit\":\"um\",\"readings\":["
                          "{\"number\":1,\"micrometres\":0.1,\"value\":\"0.1\"},"
                          "{\"number\":2,\"micrometres\":123.456,\"value\":\"123\"},"
                          "{\"number\":3,\"micrometres\":-0.5,\"value\":\"-0.5\"},"
                          "{\"number\":4,\"micrometres\":1e+30,"
                          "\"value\":\"1000000015047466219876688855040\"},"
                          "{\"number\":5,\"micrometres\":5000.0,\"value\":\"5000\"}]}]}\n")
            << 0;
        QTest::newRow("unknown unit: no value, no unit")
            << Groups{{3, {{7, 50.0f}}}}
            << QByteArray("group,number,micrometres,value,unit\r\n3,1,50,,\r\n")
            << QByteArray("{\"groups\":[{\"group\":3,\"unit\":\"\",\"readings\":["
                          "{\"number\":1,\"micrometres\":50.0,\"value\":\"\"}]}]}\n")
            << 0;
        QTest::newRow("not finite: null in JSON")
            << Groups{{0, {{0, NaN}, {1, Infinity}, {2, -Infinity}}}}
            << QByteArray("group,number,micrometres,value,unit\r\n"
                          "0,1,nan,nan,um\r\n"
                          "0,2,inf,inf,mils\r\n"
                          "0,3,-inf,-inf,mm\r\n")
            << QByteArray("{\"groups\":[{\"group\":0,\"unit\":\"um\",\"readings\":["
                          "{\"number\":1,\"micrometres\":null,\"value\":\"nan\"},"
                          "{\"number\":2,\"micrometres\":null,\"value\":\"inf\"},"
                          "{\"number\":3,\"micrometres\":null,\"value\":\"-inf\"}]}]}\n")
            << 0;
    }
    void formatsTheMemory()
    {
        QFETCH(Groups, groups);
        QFETCH(QByteArray, csv);
        QFETCH(QByteArray, json);
        QFETCH(int, frames);
        QCOMPARE(MemoryCsvExport::Csv(groups), csv);
        const QByteArray written = MemoryCsvExport::Json(groups, frames);
        QCOMPARE(written, json);
        QJsonParseError error;
        QJsonDocument::fromJson(written, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
    }
};

QTEST_GUILESS_MAIN(TstMemoryCsvExport)
#include "TstMemoryCsvExport.moc"
