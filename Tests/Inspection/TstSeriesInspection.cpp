#include "FigureText.h"
#include "GaugeUnit.h"
#include "SeriesInspection.h"

#include <QtTest>

class TstSeriesInspection : public QObject
{
    Q_OBJECT
    QTranslator m_english;

private slots:
    void initTestCase()
    {
        QVERIFY(m_english.load(QStringLiteral(":/lang/language_en.qm")));
        QCoreApplication::installTranslator(&m_english);
    }

    // Limits set in one unit judge a series shown in another.
    void limitsInTheSeriesUnit_data()
    {
        QTest::addColumn<int>("criteriaUnit");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<int>("seriesUnit");
        QTest::addColumn<double>("reading");
        QTest::addColumn<bool>("outOfLimits");
        const int um = GaugeUnit::Micrometres;
        const int mils = GaugeUnit::Mils;
        const int mm = GaugeUnit::Millimetres;
        QTest::newRow("um limit, mils just above") << um << 101.6 << mils << 4.001 << false;
        QTest::newRow("um limit, mils just below") << um << 101.6 << mils << 3.999 << true;
        QTest::newRow("mils limit, um on it") << mils << 4.0 << um << 101.6 << false;
        QTest::newRow("mm limit, um below") << mm << 0.1 << um << 99.9 << true;
        QTest::newRow("same unit, on the limit") << um << 100.0 << um << 100.0 << false;
    }
    void limitsInTheSeriesUnit()
    {
        QFETCH(int, criteriaUnit);
        QFETCH(double, minimum);
        QFETCH(int, seriesUnit);
        QFETCH(double, reading);
        QFETCH(bool, outOfLimits);
        InspectionCriteria criteria;
        criteria.unitCode = criteriaUnit;
        criteria.minimum = minimum;
        const SeriesInspection series(criteria, seriesUnit);
        QCOMPARE(series.Criteria().unitCode, seriesUnit);
        QCOMPARE(series.IsOutOfLimits(reading), outOfLimits);
    }

    // A rule that allows no reading below a share of the nominal marks such a reading even
    // without a minimum; a reading on that share is not marked.
    void ruleFloorMarks_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<double>("reading");
        QTest::addColumn<bool>("outOfLimits");
        const int iso = int(InspectionCriteria::Rule::Iso19840);
        const int pspc = int(InspectionCriteria::Rule::ImoPspc);
        const int pa2 = int(InspectionCriteria::Rule::SspcPa2);
        QTest::newRow("ISO below 80 %") << iso << 79.9 << true;
        QTest::newRow("ISO on 80 %") << iso << 80.0 << false;
        QTest::newRow("PSPC below 90 %") << pspc << 89.9 << true;
        QTest::newRow("PSPC on 90 %") << pspc << 90.0 << false;
        QTest::newRow("SSPC-PA 2 judges spots, not readings") << pa2 << 10.0 << false;
    }
    void ruleFloorMarks()
    {
        QFETCH(int, rule);
        QFETCH(double, reading);
        QFETCH(bool, outOfLimits);
        InspectionCriteria criteria;
        criteria.rule = InspectionCriteria::Rule(rule);
        criteria.nominal = 100;
        QCOMPARE(SeriesInspection(criteria).IsOutOfLimits(reading), outOfLimits);
    }

    void verdictAndFiguresTogether()
    {
        InspectionCriteria criteria;
        criteria.rule = InspectionCriteria::Rule::Iso19840;
        criteria.nominal = 100;
        SeriesInspection series(criteria, GaugeUnit::Micrometres);
        for (double value : {120.0, 110.0, 70.0})
            series.Add(value);
        series.AddOverflow();
        QCOMPARE(series.Statistics().Count(), qint64(3));
        QCOMPARE(series.Statistics().Overflows(), qint64(1));
        QCOMPARE(series.Statistics().Mean(), 100.0);
        const InspectionVerdict verdict = series.Verdict();
        QCOMPARE(verdict.outcome, InspectionVerdict::Outcome::Fail);
        // The mean is on the nominal; only the reading below 80 % of it fails.
        QCOMPARE(verdict.reasons,
                 QStringList{QStringLiteral("1 of 3 readings (33.3 %) below 80 % of the nominal "
                                            "100 µm")});
    }

    void figureDecimals_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("precise");
        QTest::newRow("um small") << int(GaugeUnit::Micrometres) << 45.25 << "45.3"
                                  << "45.25";
        QTest::newRow("um large") << int(GaugeUnit::Micrometres) << 123.456 << "123"
                                  << "123.5";
        QTest::newRow("mils") << int(GaugeUnit::Mils) << 4.72441 << "4.724"
                              << "4.7244";
        QTest::newRow("mm") << int(GaugeUnit::Millimetres) << 0.1204 << "0.120"
                            << "0.1204";
    }
    void figureDecimals()
    {
        QFETCH(int, unit);
        QFETCH(double, value);
        QFETCH(QString, reading);
        QFETCH(QString, precise);
        QCOMPARE(FigureText::Reading(unit, value), reading);
        QCOMPARE(FigureText::Precise(unit, value), precise);
    }
};

QTEST_GUILESS_MAIN(TstSeriesInspection)
#include "TstSeriesInspection.moc"
