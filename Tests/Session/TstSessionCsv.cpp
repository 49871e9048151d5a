#include "GaugeSim.h"
#include "LiveReading.h"
#include "SessionCsv.h"
#include "SessionFile.h"
#include "SessionSummary.h"

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
        QTest::newRow("micrometres") << Record(0, 12.34f) << "1," + time + ",12.34,12.3,um,ok\r\n";
        QTest::newRow("whole micrometres")
            << Record(0, 123.4f, 7) << "7," + time + ",123.4,123,um,ok\r\n";
        QTest::newRow("mils") << Record(1, 50.0f) << "1," + time + ",50,1.969,mils,ok\r\n";
        QTest::newRow("millimetres") << Record(2, 2100.0f) << "1," + time + ",2100,2.100,mm,ok\r\n";
        QTest::newRow("overflow") << Record(2, 2100.5f) << "1," + time + ",2100.5,,mm,overflow\r\n";
        QTest::newRow("nan") << Record(0, std::numeric_limits<float>::quiet_NaN())
                             << "1," + time + ",nan,,um,overflow\r\n";
        QTest::newRow("unknown unit")
            << Record(7, 10.5f) << "1," + time + ",10.5,10.5,,unknown-unit\r\n";
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
        QCOMPARE(back->arrival.offsetFromUtc(), record.arrival.offsetFromUtc());
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
        QTest::newRow("torn after the value")
            << QByteArray("3,2026-12-09T14:03:07.412+01:00,12,12.0");
        QTest::newRow("other columns") << QByteArray("a,b,c");
        QTest::newRow("header of another file")
            << QByteArray("group,number,micrometres,value,unit");
        QTest::newRow("index zero") << QByteArray("0,2026-12-09T14:03:07.412+01:00,1,1.0,um,ok");
        QTest::newRow("unknown status")
            << QByteArray("1,2026-12-09T14:03:07.412+01:00,1,1.0,um,fine");
        QTest::newRow("unknown unit text")
            << QByteArray("1,2026-12-09T14:03:07.412+01:00,1,1.0,in,ok");
        QTest::newRow("overflow with a value")
            << QByteArray("1,2026-12-09T14:03:07.412+01:00,3000,3000,um,overflow");
        QTest::newRow("no number") << QByteArray("1,2026-12-09T14:03:07.412+01:00,x,1.0,um,ok");
        QTest::newRow("no such day") << QByteArray("1,2026-02-30T14:03:07.412+01:00,1,1.0,um,ok");
        QTest::newRow("no such hour") << QByteArray("1,2026-12-09T25:03:07.412+01:00,1,1.0,um,ok");
        QTest::newRow("reading without a value")
            << QByteArray("1,2026-12-09T14:03:07.412+01:00,1,,um,ok");
        QTest::newRow("value not a number")
            << QByteArray("1,2026-12-09T14:03:07.412+01:00,1,1.0.0,um,ok");
        QTest::newRow("a field more") << QByteArray("1,2026-12-09T14:03:07.412+01:00,1,1.0,um,ok,");
    }
    void foreignLinesAreRefused()
    {
        QFETCH(QByteArray, line);
        QVERIFY(!SessionCsv::ParseLine(line).has_value());
    }

    // Lines edited by hand or by another program, in forms the journal does not write.
    void otherFormsAreRead_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<qint64>("index");
        QTest::addColumn<float>("micrometres");
        QTest::addColumn<int>("offsetSeconds");
        QTest::newRow("time in UTC")
            << QByteArray("5,2026-12-09T13:03:07.412Z,12.5,12.5,um,ok") << qint64(5) << 12.5f << 0;
        QTest::newRow("exponent") << QByteArray("5,2026-12-09T14:03:07.412+01:00,1.25e2,125,um,ok")
                                  << qint64(5) << 125.0f << 3600;
        QTest::newRow("leading zeros")
            << QByteArray("0005,2026-12-09T14:03:07.412+01:00,0012.50,12.5,um,ok") << qint64(5)
            << 12.5f << 3600;
    }
    void otherFormsAreRead()
    {
        QFETCH(QByteArray, line);
        QFETCH(qint64, index);
        QFETCH(float, micrometres);
        QFETCH(int, offsetSeconds);
        const std::optional<LiveRecord> record = SessionCsv::ParseLine(line);
        QVERIFY(record.has_value());
        QCOMPARE(record->index, index);
        QCOMPARE(record->micrometres, micrometres);
        QCOMPARE(record->arrival, When);
        QCOMPARE(record->arrival.offsetFromUtc(), offsetSeconds);
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
        QTest::newRow("no line end after the last") << QByteArray(good).chopped(2) << 2 << 0;
        QTest::newRow("empty lines between")
            << QByteArray(good).replace("\r\n", "\r\n\r\n") << 2 << 0;
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

    // A file read in parts: lines cut between two parts are read whole.
    void largeFileIsReadWhole()
    {
        const int readings = 100000;
        QByteArray content = SessionCsv::Header();
        for (int i = 1; i <= readings; ++i)
            content += SessionCsv::Line(Record(i % 3, 100.0f + i % 1000, i));
        QTemporaryDir dir;
        const SessionFile file = SessionFile::Read(WriteFile(dir, content));
        QCOMPARE(file.skippedLines, 0);
        QCOMPARE(file.records.size(), readings);
        for (int i = 1; i <= readings; ++i) {
            const LiveRecord &record = file.records.at(i - 1);
            QCOMPARE(record.index, qint64(i));
            QCOMPARE(record.micrometres, 100.0f + i % 1000);
            QCOMPARE(record.unitCode, qint8(i % 3));
        }
    }

    // The list's figures, read without keeping the readings, are those of the whole file.
    void summaryHasTheFiguresOfTheFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray mixed =
            SessionCsv::Header() + SessionCsv::Line(Record(0, 500.0f, 1)) +
            SessionCsv::Line(Record(1, 254.0f, 2)) + SessionCsv::Line(Record(1, 2500.0f, 3)) +
            SessionCsv::Line(Record(7, 12.5f, 4)) + SessionCsv::Line(Record(1, 508.0f, 5));
        QTest::newRow("units, overflow, unknown unit") << mixed;
        QTest::newRow("last unit without readings after an overflow")
            << mixed + SessionCsv::Line(Record(2, 3000.0f, 6));
        QTest::newRow("torn and foreign lines") << mixed + "6,2026-12-09T14:03\nhello\n";
        QTest::newRow("other forms")
            << QByteArray("5,2026-12-09T13:03:07.412Z,12.5,12.5,um,ok\n"
                          "6,2026-12-09T14:03:07.412+01:00,1.25e2,125,um,ok\n");
        QTest::newRow("overflows only")
            << SessionCsv::Header() + SessionCsv::Line(Record(0, 2500.0f, 1));
        QTest::newRow("header only") << SessionCsv::Header();
    }
    void summaryHasTheFiguresOfTheFile()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = WriteFile(dir, content);
        const SessionFile file = SessionFile::Read(path);
        const SessionSummary summary = SessionSummary::Read(path);
        QCOMPARE(summary.start, file.StartTime());
        QCOMPARE(summary.readings, qint64(file.records.size()));
        QCOMPARE(summary.skippedLines, file.skippedLines);
        QCOMPARE(summary.unitCode, file.UnitCode());
        const ReadingStatistics expected = file.Statistics();
        QCOMPARE(summary.statistics.Count(), expected.Count());
        QCOMPARE(summary.statistics.Overflows(), expected.Overflows());
        QCOMPARE(summary.statistics.Mean(), expected.Mean());
        QCOMPARE(summary.statistics.Minimum(), expected.Minimum());
        QCOMPARE(summary.statistics.Maximum(), expected.Maximum());
        QCOMPARE(summary.statistics.StandardDeviation(), expected.StandardDeviation());
    }

    void missingFileSaysWhy()
    {
        QTemporaryDir dir;
        const SessionFile file = SessionFile::Read(dir.filePath(QStringLiteral("gone.csv")));
        QVERIFY(!file.error.isEmpty());
        QCOMPARE(SessionSummary::Read(dir.filePath(QStringLiteral("gone.csv"))).error, file.error);
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
