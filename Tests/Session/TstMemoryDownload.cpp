#include "FigureText.h"
#include "GaugeUnit.h"
#include "MemoryDownload.h"

#include <QtTest>

namespace {

using Outcome = InspectionVerdict::Outcome;

QMap<int, QList<LogRecord>> Frames(const QVector<QPair<qint8, QList<float>>> &frames)
{
    QMap<int, QList<LogRecord>> groups;
    for (int frame = 0; frame < frames.size(); ++frame) {
        for (float micrometres : frames[frame].second)
            groups[frame].append({frames[frame].first, micrometres});
    }
    return groups;
}

// Frame 0 is left out; group 2 in mils holds an overflow; group 4 is empty.
const QMap<int, QList<LogRecord>> Mixed = Frames({{0, {1.0f}},
                                                  {0, {100.0f, 120.0f, 140.0f}},
                                                  {1, {254.0f, 508.0f, 5000.0f}},
                                                  {0, {50.0f}},
                                                  {0, {}}});

InspectionCriteria Iso19840(double nominal)
{
    InspectionCriteria criteria;
    criteria.rule = InspectionCriteria::Rule::Iso19840;
    criteria.nominal = nominal;
    return criteria;
}

} // namespace

Q_DECLARE_METATYPE(InspectionVerdict::Outcome)
Q_DECLARE_METATYPE(QList<qint8>)

class TstMemoryDownload : public QObject
{
    Q_OBJECT
private slots:
    void groupsLeaveFrameZeroOut()
    {
        const MemoryDownload download(Mixed, QDateTime::currentDateTime());
        QCOMPARE(download.Groups(), (QList<int>{1, 2, 3}));
        QCOMPARE(download.Records(MemoryDownload::AllGroups).size(), 7);
        QVERIFY(MemoryDownload().IsEmpty());
        QVERIFY(!download.IsEmpty());
    }

    // Hand-worked: the figures of each group and of all together, in the group's unit, with the
    // decimals of a reading (one more for mean and SD), judged by ISO 19840 at 100 um.
    void figuresPerGroupAndTogether_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("unit");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<qint64>("overflows");
        QTest::addColumn<QStringList>("figures"); // mean, SD, min, max, range, CoV
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("group 1, um")
            << 1 << 0 << qint64(3) << qint64(0)
            << QStringList{"120.0", "20.00", "100", "140", "40.0", "16.7 %"} << Outcome::Pass;
        // 254 and 508 um are shown as 10.00 and 20.00 mils; 5000 um is out of range.
        QTest::newRow("group 2, mils")
            << 2 << 1 << qint64(2) << qint64(1)
            << QStringList{"15.000", "7.0711", "10.00", "20.00", "10.00", "47.1 %"}
            << Outcome::Pass;
        QTest::newRow("group 3, one reading")
            << 3 << 0 << qint64(1) << qint64(0)
            << QStringList{"50.00", "0.00", "50.0", "50.0", "0.0", "0.0 %"} << Outcome::Fail;
        // Units differ: all together in micrometres.
        QTest::newRow("all groups")
            << int(MemoryDownload::AllGroups) << 0 << qint64(6) << qint64(1)
            << QStringList{"195.3", "167.4", "50.0", "508", "458", "85.7 %"} << Outcome::Fail;
    }
    void figuresPerGroupAndTogether()
    {
        QFETCH(int, group);
        QFETCH(int, unit);
        QFETCH(qint64, count);
        QFETCH(qint64, overflows);
        QFETCH(QStringList, figures);
        QFETCH(Outcome, outcome);
        const MemoryDownload download(Mixed, QDateTime::currentDateTime());
        const SeriesInspection inspection = download.Inspect(group, Iso19840(100));
        const ReadingStatistics &statistics = inspection.Statistics();
        QCOMPARE(download.UnitCode(group), unit);
        QCOMPARE(inspection.UnitCode(), unit);
        QCOMPARE(statistics.Count(), count);
        QCOMPARE(statistics.Overflows(), overflows);
        const QStringList shown{FigureText::Precise(unit, statistics.Mean()),
                                FigureText::Precise(unit, statistics.StandardDeviation()),
                                FigureText::Reading(unit, statistics.Minimum()),
                                FigureText::Reading(unit, statistics.Maximum()),
                                FigureText::Reading(unit, statistics.Range()),
                                FigureText::Percent(statistics.CoefficientOfVariation())};
        QCOMPARE(shown, figures);
        QCOMPARE(inspection.Verdict().outcome, outcome);
    }

    void readingsAsShown()
    {
        const MemoryDownload download(Mixed, QDateTime::currentDateTime());
        const QVector<LiveRecord> mils = download.Records(2);
        QCOMPARE(mils.size(), 3);
        QCOMPARE(mils[0].index, qint64(1));
        QCOMPARE(mils[1].valueText, QStringLiteral("20.00"));
        QCOMPARE(mils[1].unitCode, qint8(GaugeUnit::Mils));
        QCOMPARE(mils[2].status, LiveRecord::Status::Overflow);
        // Together, numbered on in group order and shown in micrometres.
        const QVector<LiveRecord> all = download.Records(MemoryDownload::AllGroups);
        QCOMPARE(all[3].index, qint64(4));
        QCOMPARE(all[3].valueText, QStringLiteral("254"));
        QCOMPARE(all[3].unitCode, qint8(GaugeUnit::Micrometres));
    }

    void sharedUnitAndUnknownUnits_data()
    {
        QTest::addColumn<QList<qint8>>("units"); // of groups 1 to 3
        QTest::addColumn<int>("together");
        QTest::addColumn<qint64>("count");
        QTest::newRow("all in mm")
            << QList<qint8>{2, 2, 2} << int(GaugeUnit::Millimetres) << qint64(3);
        QTest::newRow("mils and an unknown unit")
            << QList<qint8>{1, 7, 1} << int(GaugeUnit::Mils) << qint64(2);
        QTest::newRow("mils and mm")
            << QList<qint8>{1, 2, 1} << int(GaugeUnit::Micrometres) << qint64(3);
    }
    void sharedUnitAndUnknownUnits()
    {
        QFETCH(QList<qint8>, units);
        QFETCH(int, together);
        QFETCH(qint64, count);
        const MemoryDownload download(
            Frames({{0, {}}, {units[0], {100.0f}}, {units[1], {200.0f}}, {units[2], {300.0f}}}),
            QDateTime::currentDateTime());
        QCOMPARE(download.UnitCode(MemoryDownload::AllGroups), together);
        const SeriesInspection all = download.Inspect(MemoryDownload::AllGroups, Iso19840(100));
        // A reading of an unknown unit has no value to count, and is no overflow either.
        QCOMPARE(all.Statistics().Count(), count);
        QCOMPARE(all.Statistics().Overflows(), qint64(0));
    }
};

QTEST_MAIN(TstMemoryDownload)
#include "TstMemoryDownload.moc"
