#include "GaugeUnit.h"
#include "LiveInspection.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(InspectionVerdict::Outcome)

namespace {

using Outcome = InspectionVerdict::Outcome;
const double Overflow = -1;

// A run's reading as the session records it: value -1 stands for an overflow.
LiveRecord Record(qint64 index, double value, int unitCode = GaugeUnit::Micrometres)
{
    LiveRecord record;
    record.index = index;
    record.unitCode = static_cast<qint8>(unitCode);
    if (value == Overflow)
        record.status = LiveRecord::Status::Overflow;
    else
        record.valueText = QString::number(value);
    return record;
}

InspectionCriteria Iso(double nominal, double minimum, double maximum)
{
    InspectionCriteria criteria;
    criteria.rule = InspectionCriteria::Rule::Iso19840;
    criteria.nominal = nominal;
    criteria.minimum = minimum;
    criteria.maximum = maximum;
    return criteria;
}

} // namespace

class TstLiveInspection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<ReadingMark>();
        qRegisterMetaType<QVector<ReadingMark>>();
    }

    // ISO 19840, nominal 100 um, limits 80 to 150 um; the series 120, 90, 70, overflow, 160
    // worked by hand after every reading.
    void figuresAndVerdictAfterEveryReading_data()
    {
        QTest::addColumn<int>("readings");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<qint64>("overflows");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("deviation");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<ReadingMark>("lastMark");
        QTest::newRow("120") << 1 << qint64(1) << qint64(0) << 120.0 << 0.0 << 120.0 << 120.0
                             << Outcome::Pass << ReadingMark::None;
        // Half the readings lie between 80 % and the nominal: more than a fifth.
        QTest::newRow("90") << 2 << qint64(2) << qint64(0) << 105.0 << 21.213203 << 90.0 << 120.0
                            << Outcome::Fail << ReadingMark::None;
        QTest::newRow("70 below the minimum")
            << 3 << qint64(3) << qint64(0) << 93.333333 << 25.166115 << 70.0 << 120.0
            << Outcome::Fail << ReadingMark::BelowRuleFloor;
        QTest::newRow("overflow apart") << 4 << qint64(3) << qint64(1) << 93.333333 << 25.166115
                                        << 70.0 << 120.0 << Outcome::Fail << ReadingMark::None;
        QTest::newRow("160 above the maximum")
            << 5 << qint64(4) << qint64(1) << 110.0 << 39.157800 << 70.0 << 160.0 << Outcome::Fail
            << ReadingMark::AboveMaximum;
    }
    void figuresAndVerdictAfterEveryReading()
    {
        QFETCH(int, readings);
        QFETCH(qint64, count);
        QFETCH(qint64, overflows);
        QFETCH(double, mean);
        QFETCH(double, deviation);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(Outcome, outcome);
        QFETCH(ReadingMark, lastMark);
        const QVector<double> series{120, 90, 70, Overflow, 160};
        LiveInspection inspection(Iso(100, 80, 150));
        QSignalSpy judged(&inspection, &LiveInspection::ReadingJudged);
        for (int i = 0; i < readings; ++i)
            inspection.Add(Record(i + 1, series[i]));
        QCOMPARE(judged.count(), readings);
        QCOMPARE(judged.last().at(0).value<ReadingMark>(), lastMark);
        const ReadingStatistics &statistics = inspection.Series().Statistics();
        QCOMPARE(statistics.Count(), count);
        QCOMPARE(statistics.Overflows(), overflows);
        QVERIFY(qAbs(statistics.Mean() - mean) < 1e-5);
        QVERIFY(qAbs(statistics.StandardDeviation() - deviation) < 1e-5);
        QCOMPARE(statistics.Minimum(), minimum);
        QCOMPARE(statistics.Maximum(), maximum);
        QCOMPARE(inspection.Series().Verdict().outcome, outcome);
    }

    // Another unit begins another series, judged against the limits converted into it.
    void unitChangeBeginsASeries()
    {
        LiveInspection inspection(Iso(100, 80, 150));
        inspection.Add(Record(1, 120));
        inspection.Add(Record(2, 70));
        QSignalSpy judged(&inspection, &LiveInspection::ReadingJudged);
        inspection.Add(Record(3, 3.0, GaugeUnit::Mils)); // 76.2 um: below 80 um
        QCOMPARE(judged.last().at(0).value<ReadingMark>(), ReadingMark::BelowRuleFloor);
        QCOMPARE(inspection.Series().UnitCode(), int(GaugeUnit::Mils));
        QCOMPARE(inspection.Series().Statistics().Count(), qint64(1));
        QCOMPARE(inspection.Series().Statistics().Mean(), 3.0);
        QVERIFY(qAbs(inspection.Series().Criteria().minimum - 80 / 25.4) < 1e-9);
        // The criteria keep the unit they were set in.
        QCOMPARE(inspection.Criteria().unitCode, int(GaugeUnit::Micrometres));
    }

    void restartBeginsASeries()
    {
        LiveInspection inspection(Iso(100, 80, 150));
        inspection.Add(Record(1, 70));
        QSignalSpy rejudged(&inspection, &LiveInspection::SeriesJudged);
        inspection.Restart();
        QCOMPARE(rejudged.count(), 1);
        QVERIFY(rejudged.last().at(0).value<QVector<ReadingMark>>().isEmpty());
        QCOMPARE(inspection.Series().Statistics().Count(), qint64(0));
        QCOMPARE(inspection.Series().Verdict().outcome, Outcome::Incomplete);
        inspection.Add(Record(1, 120)); // a new run numbers its readings from 1 again
        QCOMPARE(inspection.Series().Statistics().Count(), qint64(1));
        QCOMPARE(inspection.Series().Verdict().outcome, Outcome::Pass);
    }

    // New criteria judge the readings of the current series only: those before the unit
    // changed, and overflows, are no part of it.
    void newCriteriaJudgeTheSeriesAgain()
    {
        const QVector<LiveRecord> run{Record(1, 2.0, GaugeUnit::Mils), Record(2, 120),
                                      Record(3, Overflow), Record(4, 70), Record(5, 160)};
        LiveInspection inspection;
        QSignalSpy judged(&inspection, &LiveInspection::ReadingJudged);
        for (const LiveRecord &record : run)
            inspection.Add(record);
        QCOMPARE(inspection.Series().Verdict().outcome, Outcome::None);
        for (const QList<QVariant> &reading : judged)
            QCOMPARE(reading.at(0).value<ReadingMark>(), ReadingMark::None);

        QSignalSpy rejudged(&inspection, &LiveInspection::SeriesJudged);
        inspection.SetCriteria(Iso(100, 80, 150), run);
        QCOMPARE(rejudged.count(), 1);
        QCOMPARE(rejudged.last().at(0).value<QVector<ReadingMark>>(),
                 (QVector<ReadingMark>{ReadingMark::None, ReadingMark::None,
                                       ReadingMark::BelowRuleFloor, ReadingMark::AboveMaximum}));
        const ReadingStatistics &statistics = inspection.Series().Statistics();
        QCOMPARE(statistics.Count(), qint64(3));
        QCOMPARE(statistics.Overflows(), qint64(1));
        QCOMPARE(statistics.Minimum(), 70.0);
        QCOMPARE(inspection.Series().Verdict().outcome, Outcome::Fail);

        // And the next reading goes on from there.
        inspection.Add(Record(6, 100));
        QCOMPARE(inspection.Series().Statistics().Count(), qint64(4));
    }
};

QTEST_GUILESS_MAIN(TstLiveInspection)
#include "TstLiveInspection.moc"
