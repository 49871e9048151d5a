#include "CriterionLines.h"
#include "GaugeUnit.h"
#include "InspectionRule.h"

#include <QtTest>

namespace {
using Outcome = InspectionVerdict::Outcome;
using Rule = InspectionCriteria::Rule;

InspectionCriteria Criteria(Rule rule, double nominal, double minimum = 0, double maximum = 0,
                            int unitCode = GaugeUnit::Micrometres)
{
    InspectionCriteria criteria;
    criteria.unitCode = unitCode;
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
    QTranslator m_english;

private slots:
    // The texts as the program shows them in English, counts in their singular and plural.
    void initTestCase()
    {
        QVERIFY(m_english.load(QStringLiteral(":/lang/language_en.qm")));
        QCoreApplication::installTranslator(&m_english);
    }

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
            << QStringList{"5 of 20 readings (25.0 %) from 80 % up to below the nominal 100 µm; "
                           "at most 20 % are allowed"};
        QTest::newRow("iso: 3 of 20 below 80 %")
            << iso << (Repeat(79.9, 3) + Repeat(120, 17)) << Outcome::Fail
            << QStringList{"3 of 20 readings (15.0 %) below 80 % of the nominal 100 µm"};
        QTest::newRow("iso: mean below nominal")
            << iso << QVector<double>{95, 100, 100, 100, 100} << Outcome::Fail
            << QStringList{"mean 99.00 µm below the nominal 100 µm"};
        // Means and shares that are exactly on their limit in decimals, not in binary doubles:
        // 2.6 + 3.0 + 3.3 + 3.0 + 3.1 sums to 14.999999999999998, in another order to 15.
        const int mils = GaugeUnit::Mils;
        const InspectionCriteria isoMils = Criteria(Rule::Iso19840, 3, 0, 0, mils);
        QTest::newRow("iso: mean exactly the nominal, mils")
            << isoMils << QVector<double>{2.6, 3.0, 3.3, 3.0, 3.1} << Outcome::Pass
            << QStringList();
        QTest::newRow("iso: the same readings in another order")
            << isoMils << QVector<double>{3.0, 2.6, 3.3, 3.0, 3.1} << Outcome::Pass
            << QStringList();
        QTest::newRow("iso: mean exactly the nominal, um")
            << Criteria(Rule::Iso19840, 125)
            << QVector<double>{112.3, 125.1, 129.2, 130.6, 127.8} << Outcome::Pass
            << QStringList();
        QTest::newRow("iso: a reading on 80 %")
            << isoMils << QVector<double>{2.4, 3.4, 3.2, 3.0, 3.0} << Outcome::Pass
            << QStringList();
        QTest::newRow("iso: mean just below the nominal, printed as judged")
            << isoMils << QVector<double>{2.999, 3.0, 3.0, 3.0, 3.0} << Outcome::Fail
            << QStringList{"mean 2.9998 mils below the nominal 3.000 mils"};
        QTest::newRow("iso: above the maximum")
            << Criteria(Rule::Iso19840, 100, 0, 200) << QVector<double>{150, 200, 201, 100}
            << Outcome::Fail << QStringList{"1 of 4 readings (25.0 %) above the maximum 200 µm"};

        const InspectionCriteria pspc = Criteria(Rule::ImoPspc, 100);
        QTest::newRow("pspc: exactly 90 % at nominal, exactly 90 % of it")
            << pspc << (Repeat(90, 1) + Repeat(120, 9)) << Outcome::Pass << QStringList();
        QTest::newRow("pspc: 2 of 10 under nominal")
            << pspc << (Repeat(95, 2) + Repeat(120, 8)) << Outcome::Fail
            << QStringList{"8 of 10 readings (80.0 %) at or above the nominal 100 µm; at least "
                           "90 % are required"};
        QTest::newRow("pspc: a reading on 90 %")
            << Criteria(Rule::ImoPspc, 3, 0, 0, mils) << (Repeat(2.7, 1) + Repeat(3.3, 9))
            << Outcome::Pass << QStringList();
        QTest::newRow("pspc: one below 90 %")
            << pspc << (Repeat(89.9, 1) + Repeat(120, 19)) << Outcome::Fail
            << QStringList{"1 of 20 readings (5.0 %) below 90 % of the nominal 100 µm"};

        // Spots of 3, limits 80..120 % of 100..200: spots within 80..240, areas within 100..200.
        const InspectionCriteria pa2 = Criteria(Rule::SspcPa2, 150, 100, 200);
        QTest::newRow("pa2: no complete area")
            << pa2 << Repeat(150, 14) << Outcome::Incomplete << QStringList();
        QTest::newRow("pa2: one area at the limits")
            << pa2 << (Repeat(80, 3) + Repeat(120, 3) + Repeat(100, 9)) << Outcome::Pass
            << QStringList();
        QTest::newRow("pa2: a spot too thin")
            << pa2 << (QVector<double>{70, 80, 80} + Repeat(150, 12)) << Outcome::Fail
            << QStringList{"1 of 5 spots outside 80.0 µm to 240 µm"};
        QTest::newRow("pa2: an area too thick")
            << pa2 << Repeat(210, 15) << Outcome::Fail
            << QStringList{"1 of 1 area outside 100 µm to 200 µm"};
        QTest::newRow("pa2: spot on 120 % of the maximum in binary")
            << Criteria(Rule::SspcPa2, 0, 2.5, 3.5, mils)
            << (Repeat(4.2, 3) + Repeat(3.0, 12)) << Outcome::Pass << QStringList();
        QTest::newRow("pa2: bad spot before any area")
            << pa2 << Repeat(300, 3) << Outcome::Fail
            << QStringList{"1 of 1 spot outside 80.0 µm to 240 µm"};

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

    // A pass of the complete areas with readings still pending says so.
    void passSoFar()
    {
        const InspectionCriteria pa2 = Criteria(Rule::SspcPa2, 150, 100, 200);
        const InspectionVerdict pending = InspectionRule::Evaluate(pa2, Repeat(150, 16));
        QCOMPARE(pending.outcome, Outcome::Pass);
        QCOMPARE(pending.Name(), QStringLiteral("Pass so far"));
        QCOMPARE(pending.Progress(),
                 QStringLiteral("5 spots and 1 area complete; 1 reading and 0 spots pending."));
        QCOMPARE(InspectionRule::Evaluate(pa2, Repeat(150, 15)).Name(), QStringLiteral("Pass"));
    }

    // Marks come from the criteria of the rule in force, and charts draw exactly those lines.
    void marksAndLinesOfTheCriteriaInForce_data()
    {
        QTest::addColumn<InspectionCriteria>("criteria");
        QTest::addColumn<double>("reading");
        QTest::addColumn<ReadingMark>("mark");
        QTest::addColumn<QString>("markText");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("noted");
        const QStringList isoLines{"Nominal 125 µm", "80 % of nominal: 100 µm",
                                   "Maximum 250 µm"};
        const InspectionCriteria iso = Criteria(Rule::Iso19840, 125, 80, 250);
        QTest::newRow("iso above the maximum")
            << iso << 260.0 << ReadingMark::AboveMaximum << "above the maximum 250 µm" << isoLines
            << false;
        QTest::newRow("iso: below 80 %, the minimum no criterion")
            << iso << 70.0 << ReadingMark::BelowRuleFloor << "below 80 % of the nominal 125 µm"
            << isoLines << false;
        const InspectionCriteria pspc = Criteria(Rule::ImoPspc, 120, 80, 150);
        const QStringList pspcLines{"Nominal 120 µm", "90 % of nominal: 108 µm"};
        QTest::newRow("pspc: no maximum") << pspc << 160.0 << ReadingMark::None << QString()
                                          << pspcLines << false;
        QTest::newRow("pspc: below 90 %")
            << pspc << 100.0 << ReadingMark::BelowRuleFloor << "below 90 % of the nominal 120 µm"
            << pspcLines << false;
        const InspectionCriteria pa2 = Criteria(Rule::SspcPa2, 0, 80, 150);
        QTest::newRow("pa2: a reading above the maximum, for information")
            << pa2 << 160.0 << ReadingMark::AboveMaximum << "above the maximum 150 µm"
            << QStringList{"Spot minimum 64.0 µm", "Area minimum 80.0 µm", "Area maximum 150 µm",
                           "Spot maximum 180 µm"}
            << true;
        QTest::newRow("no rule: the limits set")
            << Criteria(Rule::None, 125, 80, 0) << 70.0 << ReadingMark::BelowMinimum
            << "below the minimum 80.0 µm" << QStringList{"Minimum 80.0 µm"} << false;
    }
    void marksAndLinesOfTheCriteriaInForce()
    {
        QFETCH(InspectionCriteria, criteria);
        QFETCH(double, reading);
        QFETCH(ReadingMark, mark);
        QFETCH(QString, markText);
        QFETCH(QStringList, lines);
        QFETCH(bool, noted);
        const InspectionRule rule(criteria);
        QCOMPARE(rule.MarkOf(reading), mark);
        QCOMPARE(InspectionRule::MarkText(mark, criteria), markText);
        QStringList labels;
        for (const CriterionLine &line : CriterionLines::Of(criteria))
            labels << line.label;
        QCOMPARE(labels, lines);
        QCOMPARE(!InspectionRule::MarkNote(criteria).isEmpty(), noted);
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

QTEST_GUILESS_MAIN(TstInspectionRule)
#include "TstInspectionRule.moc"
