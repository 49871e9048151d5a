#include "GaugeSim.h"
#include "LiveReading.h"
#include "SessionCsv.h"
#include "SessionFile.h"

#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include <limits>

namespace {
const QDateTime When(QDate(2026, 12, 9), QTime(14, 3, 7, 412), Qt::OffsetFromUTC, 3600);

LiveRecord Record(quint8 unit, float micrometres, qint64 index = 1)
{
    return LiveRecord::FromReading(*LiveReading::Decode(GaugeSim::LiveFrame(unit, micrometres)),
                                   index, When);
}

QString WriteFile(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath(QStringLiteral("Session_20261209_140307.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}
} // namespace

class TstSessionCsv : public QObject
{
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<LiveRecord>("record");
        QTest::addColumn<QByteArray>("line");
        const QByteArray time = "2026-12-09T14:03:07.412+01:00";
        QTest::newRow("micrometres") << Record(0, 12.34f)
                                     << "1," + time + ",12.34,12.3,um,ok\r\n";
        QTest::newRow("whole micrometres") << Record(0, 123.4f, 7)
                                           << "7," + time + ",123.4,123,um,ok\r\n";
        QTest::newRow("mils") << Record(1, 50.0f) << "1," + time + ",50,1.969,mils,ok\r\n";
        QTest::newRow("millimetres") << Record(2, 2100.0f) << "1," + time + ",2100,2.100,mm,ok\r\n";
        QTest::newRow("overflow") << Record(2, 2100.5f)
                                  << "1," + time + ",2100.5,,mm,overflow\r\n";
        QTest::newRow("nan") << Record(0, std::numeric_limits<float>::quiet_NaN())
                             << "1," + time + ",nan,,um,overflow\r\n";
        QTest::newRow("unknown unit") << Record(7, 10.5f)
                                      << "1," + time + ",10.5,10.5,,unknown-unit\r\n";
    }
    void lines()
    {
        QFETCH(LiveRecord, record);
        QFETCH(QByteArray, line);
        QCOMPARE(SessionCsv::Line(record), line);
        const std::optional<LiveRecord> back = SessionCsv::ParseLine(line.chopped(2));
        QVERIFY(back.has_value());
        QCOMPARE(back->index, record.index);
        QCOMPARE(back->arrival, record.arrival);
        QCOMPARE(back->status, record.status);
        QCOMPARE(back->valueText, record.valueText);
        QCOMPARE(back->UnitText(), record.UnitText());
        QCOMPARE(SessionCsv::Line(*back), line);
    }

    void timeCarriesItsOffset_data()
    {
        QTest::addColumn<int>("offsetSeconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTC") << 0 << "2026-12-09T14:03:07.412+00:00";
        QTest::newRow("east") << 8 * 3600 << "2026-12-09T14:03:07.412+08:00";
        QTest::newRow("west, half hour") << -(3 * 3600 + 1800) << "2026-12-09T14:03:07.412-03:30";
    }
    void timeCarriesItsOffset()
    {
        QFETCH(int, offsetSeconds);
        QFETCH(QString, text);
        const QDateTime time(When.date(), When.time(), Qt::OffsetFromUTC, offsetSeconds);
        QCOMPARE(SessionCsv::TimeText(time), text);
        QCOMPARE(QDateTime::fromString(text, Qt::ISODateWithMs), time);
    }

    void foreignLinesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("torn") << QByteArray("3,2026-12-09T14:03:0");
        QTest::newRow("torn after the value") << QByteArray("3,2026-12-09T14:03:07.412+01:00,12,12.0");
        QTest::newRow("other columns") << QByteArray("a,b,c");
        QTest::newRow("header of another file") << QByteArray("group,number,micrometres,value,unit");
        QTest::newRow("index zero") << QByteArray("0,2026-12-09T14:03:07.412+01:00,1,1.0,um,ok");
        QTest::newRow("unknown status") << QByteArray("1,2026-12-09T14:03:07.412+01:00,1,1.0,um,fine");
        QTest::newRow("unknown unit text") << QByteArray("1,2026-12-09T14:03:07.412+01:00,1,1.0,in,ok");
        QTest::newRow("overflow with a value")
            << QByteArray("1,2026-12-09T14:03:07.412+01:00,3000,3000,um,overflow");
        QTest::newRow("no number") << QByteArray("1,2026-12-09T14:03:07.412+01:00,x,1.0,um,ok");
    }
    void foreignLinesAreRefused()
    {
        QFETCH(QByteArray, line);
        QVERIFY(!SessionCsv::ParseLine(line).has_value());
    }

    void damagedFilesOpenWithWhatCanBeRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("skipped");
        const QByteArray good = SessionCsv::Header() + SessionCsv::Line(Record(0, 50.0f, 1)) +
                                SessionCsv::Line(Record(0, 2500.0f, 2));
        QTest::newRow("whole") << good << 2 << 0;
        QTest::newRow("torn last line") << good + "3,2026-12-09T14:03" << 2 << 1;
        QTest::newRow("line ends of another system")
            << QByteArray(good).replace("\r\n", "\n") << 2 << 0;
        QTest::newRow("foreign content") << QByteArray("hello\nworld\n\x01\x02\x03") << 0 << 3;
        QTest::newRow("empty") << QByteArray() << 0 << 0;
    }
    void damagedFilesOpenWithWhatCanBeRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, records);
        QFETCH(int, skipped);
        QTemporaryDir dir;
        const SessionFile file = SessionFile::Read(WriteFile(dir, content));
        QVERIFY(file.error.isEmpty());
        QCOMPARE(file.records.size(), records);
        QCOMPARE(file.skippedLines, skipped);
    }

    void missingFileSaysWhy()
    {
        QTemporaryDir dir;
        const SessionFile file = SessionFile::Read(dir.filePath(QStringLiteral("gone.csv")));
        QVERIFY(!file.error.isEmpty());
        QVERIFY(file.records.isEmpty());
    }

    // The figures of a file are those of its last unit; overflows are counted apart.
    void figuresOfAFile()
    {
        QTemporaryDir dir;
        const QByteArray content = SessionCsv::Header() + SessionCsv::Line(Record(0, 500.0f, 1)) +
                                   SessionCsv::Line(Record(1, 254.0f, 2)) +
                                   SessionCsv::Line(Record(1, 2500.0f, 3)) +
                                   SessionCsv::Line(Record(1, 508.0f, 4));
        const SessionFile file = SessionFile::Read(WriteFile(dir, content));
        QCOMPARE(file.UnitCode(), qint8(1));
        const ReadingStatistics figures = file.Statistics();
        QCOMPARE(figures.Count(), qint64(2));
        QCOMPARE(figures.Overflows(), qint64(1));
        QCOMPARE(figures.Mean(), 15.0);
        QCOMPARE(figures.Minimum(), 10.0);
        QCOMPARE(figures.Maximum(), 20.0);
    }
};

QTEST_GUILESS_MAIN(TstSessionCsv)
#include "TstSessionCsv.moc"
