#include "InspectionRule.h"

#include <QtTest>

namespace {
using Outcome = InspectionVerdict::Outcome;
using Rule = InspectionCriteria::Rule;

InspectionCriteria Criteria(Rule rule, double nominal, double minimum = 0, double maximum = 0)
{
    InspectionCriteria criteria;
    criteria.rule = rule;
    criteria.nominal = nominal;
    criteria.minimum = minimum;
    criteria.maximum = maximum;
    return criteria;
}

QVector<double> Repeat(double value, int count)
{
    return QVector<double>(count, value);
}
} // namespace

Q_DECLARE_METATYPE(InspectionCriteria)
Q_DECLARE_METATYPE(InspectionVerdict::Outcome)

class TstInspectionRule : public QObject
{
    Q_OBJECT
private slots:
    void verdicts_data()
    {
        QTest::addColumn<InspectionCriteria>("criteria");
        QTest::addColumn<QVector<double>>("readings");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QStringList>("reasons");

        const InspectionCriteria iso = Criteria(Rule::Iso19840, 100);
        QTest::newRow("iso: no reading")
            << iso << QVector<double>{} << Outcome::Incomplete << QStringList();
        QTest::newRow("iso: all at nominal")
            << iso << Repeat(100, 10) << Outcome::Pass << QStringList();
        // 4 of 20 (exactly 20 %) from 80 up to below 100, exactly 80 included; mean 101.
        QTest::newRow("iso: exactly 20 % low, exactly 80 %")
            << iso << (Repeat(80, 1) + Repeat(90, 3) + Repeat(104.25, 16)) << Outcome::Pass
            << QStringList();
        QTest::newRow("iso: 5 of 20 low")
            << iso << (Repeat(90, 5) + Repeat(110, 15)) << Outcome::Fail
            << QStringList{"5 of 20 readings (25 %) from 80 % up to below the nominal 100 um; "
                           "at most 20 % are allowed"};
        QTest::newRow("iso: 3 of 20 below 80 %")
            << iso << (Repeat(79.9, 3) + Repeat(120, 17)) << Outcome::Fail
            << QStringList{"3 of 20 readings (15 %) below 80 % of the nominal 100 um"};
        QTest::newRow("iso: mean below nominal")
            << iso << QVector<double>{95, 100, 100, 100, 100} << Outcome::Fail
            << QStringList{"mean 99.0 um below the nominal 100 um"};
        QTest::newRow("iso: above the maximum")
            << Criteria(Rule::Iso19840, 100, 0, 200) << QVector<double>{150, 200, 201, 100}
            << Outcome::Fail << QStringList{"1 of 4 readings (25 %) above the maximum 200 um"};

        const InspectionCriteria pspc = Criteria(Rule::ImoPspc, 100);
        QTest::newRow("pspc: exactly 90 % at nominal, exactly 90 % of it")
            << pspc << (Repeat(90, 1) + Repeat(120, 9)) << Outcome::Pass << QStringList();
        QTest::newRow("pspc: 2 of 10 under nominal")
            << pspc << (Repeat(95, 2) + Repeat(120, 8)) << Outcome::Fail
            << QStringList{"8 of 10 readings (80 %) at or above the nominal 100 um; at least "
                           "90 % are required"};
        QTest::newRow("pspc: one below 90 %")
            << pspc << (Repeat(89.9, 1) + Repeat(120, 19)) << Outcome::Fail
            << QStringList{"1 of 20 readings (5 %) below 90 % of the nominal 100 um"};

        // Spots of 3, limits 80..120 % of 100..200: spots within 80..240, areas within 100..200.
        const InspectionCriteria pa2 = Criteria(Rule::SspcPa2, 150, 100, 200);
        QTest::newRow("pa2: no complete area")
            << pa2 << Repeat(150, 14) << Outcome::Incomplete << QStringList();
        QTest::newRow("pa2: one area at the limits")
            << pa2 << (Repeat(80, 3) + Repeat(120, 3) + Repeat(100, 9)) << Outcome::Pass
            << QStringList();
        QTest::newRow("pa2: a spot too thin")
            << pa2 << (QVector<double>{70, 80, 80} + Repeat(150, 12)) << Outcome::Fail
            << QStringList{"1 of 5 spots outside 80.0 um to 240 um"};
        QTest::newRow("pa2: an area too thick")
            << pa2 << Repeat(210, 15) << Outcome::Fail
            << QStringList{"1 of 1 areas outside 100 um to 200 um"};
        QTest::newRow("pa2: bad spot before any area")
            << pa2 << Repeat(300, 3) << Outcome::Fail
            << QStringList{"1 of 1 spots outside 80.0 um to 240 um"};

        QTest::newRow("no rule") << Criteria(Rule::None, 100) << Repeat(1, 3) << Outcome::None
                                 << QStringList();
    }
    void verdicts()
    {
        QFETCH(InspectionCriteria, criteria);
        QFETCH(QVector<double>, readings);
        QFETCH(Outcome, outcome);
        QFETCH(QStringList, reasons);
        const InspectionVerdict verdict = InspectionRule::Evaluate(criteria, readings);
        QCOMPARE(verdict.reasons, reasons);
        QCOMPARE(verdict.outcome, outcome);
    }

    void spotsAndAreasWithPending()
    {
        InspectionCriteria criteria = Criteria(Rule::SspcPa2, 150, 100, 200);
        criteria.spotSize = 2;
        QVector<double> readings;
        for (int i = 0; i < 23; ++i)
            readings.append(100 + 10 * i);
        const InspectionVerdict verdict = InspectionRule::Evaluate(criteria, readings);
        QCOMPARE(verdict.spots.size(), 11);
        QCOMPARE(verdict.spots.first(), 105.0);
        QCOMPARE(verdict.areas.size(), 2);
        QCOMPARE(verdict.areas.first(), 145.0);
        QCOMPARE(verdict.pendingReadings, 1);
        QCOMPARE(verdict.pendingSpots, 1);
    }

    void criteriaProblems_data()
    {
        QTest::addColumn<InspectionCriteria>("criteria");
        QTest::addColumn<bool>("usable");
        QTest::newRow("iso with nominal") << Criteria(Rule::Iso19840, 100) << true;
        QTest::newRow("iso without nominal") << Criteria(Rule::Iso19840, 0) << false;
        QTest::newRow("negative") << Criteria(Rule::None, -1) << false;
        QTest::newRow("minimum above maximum") << Criteria(Rule::Iso19840, 100, 300, 200) << false;
        QTest::newRow("pa2 without maximum") << Criteria(Rule::SspcPa2, 100, 80) << false;
        QTest::newRow("pa2 whole") << Criteria(Rule::SspcPa2, 100, 80, 120) << true;
    }
    void criteriaProblems()
    {
        QFETCH(InspectionCriteria, criteria);
        QFETCH(bool, usable);
        QCOMPARE(criteria.Problem().isEmpty(), usable);
    }
};

QTEST_APPLESS_MAIN(TstInspectionRule)
#include "TstInspectionRule.moc"
