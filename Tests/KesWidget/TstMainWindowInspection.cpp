#include "MainWindowWorkflow.h"

#include "GaugeUnit.h"
#include "InspectionSettings.h"

#include <QProcess>

#include <qcustomplot.h>

namespace {
QByteArray Frame(quint8 unit, float micrometres)
{
    return GaugeSim::LiveFrame(unit, micrometres);
}
const QString OutOfLimits = QStringLiteral("OutOfLimits");
} // namespace

// Streaming against an inspection rule: figures, verdict and marks follow every reading.
class TstMainWindowInspection : public WorkflowTestBase
{
    Q_OBJECT

private slots:
    void initTestCase() { InitTestCase(); }
    // Every window starts from these criteria, whatever a test before it changed.
    void init()
    {
        InspectionSettings::Save(
            {InspectionCriteria::Rule::Iso19840, GaugeUnit::Micrometres, 100, 80, 150});
        Init();
    }
    void cleanup() { Cleanup(); }

    void everyReadingIsJudged();
    void unitChangeBeginsNewFigures();
    void newLimitsMarkTheReadingsAgain();
    void chartsDrawTheLimits();
    void reportOfTheLiveRun();

private:
    QString Mark(const char *widget) const
    {
        return Child<QObject>(widget)->property("State").toString();
    }
    QString Tip(const char *widget) const { return Child<QWidget>(widget)->toolTip(); }
    // Count, mean, minimum and verdict as the strip shows them.
    QStringList Strip() const
    {
        return {Text("CountValue"), Text("OverflowsValue"), Text("MeanValue"), Text("MinimumValue"),
                Text("VerdictLabel")};
    }
};

void TstMainWindowInspection::everyReadingIsJudged()
{
    StartStreaming();
    QCOMPARE(Text("VerdictCaption"), QStringLiteral("ISO 19840"));
    QCOMPARE(Strip(), (QStringList{"0", "0", "-", "-", "Incomplete"}));

    Deliver(Frame(0, 120.0f));
    QCOMPARE(Strip(), (QStringList{"1", "0", "120.0 µm", "120 µm", "Pass"}));
    QCOMPARE(Mark("VerdictLabel"), QStringLiteral("Pass"));
    QCOMPARE(Mark("RealDataLabel"), QString());

    Deliver(Frame(0, 70.0f));
    QCOMPARE(Strip(), (QStringList{"2", "0", "95.00 µm", "70.0 µm", "Fail"}));
    QCOMPARE(Mark("VerdictLabel"), QStringLiteral("Fail"));
    QCOMPARE(Mark("RealDataLabel"), OutOfLimits);
    QCOMPARE(Mark("Data1"), QString());
    QCOMPARE(Mark("Data2"), OutOfLimits);
    // Each mark names the criterion it comes from.
    QCOMPARE(Tip("Data1"), QString());
    QCOMPARE(Tip("Data2"), QStringLiteral("below 80 % of the nominal 100 µm"));
    QCOMPARE(Tip("RealDataLabel"), Tip("Data2"));
    QVERIFY(Child<QWidget>("VerdictWidget")->toolTip().contains(QStringLiteral("below 80 %")));

    // An overflow is counted apart and is never out of the limits.
    Deliver(Frame(0, 2500.0f));
    QCOMPARE(Strip(), (QStringList{"2", "1", "95.00 µm", "70.0 µm", "Fail"}));
    QCOMPARE(Mark("RealDataLabel"), QString());
    QCOMPARE(Mark("Data2"), OutOfLimits);

    // Stopped, the strip keeps the run's figures and verdict in view; the next start begins
    // them from nothing.
    Click("RealStartButton");
    QVERIFY(Child<QWidget>("LiveReportButton")->isVisible());
    QCOMPARE(Strip(), (QStringList{"2", "1", "95.00 µm", "70.0 µm", "Fail"}));
    Click("RealStartButton");
    QCOMPARE(Strip(), (QStringList{"0", "0", "-", "-", "Incomplete"}));
    Deliver(Frame(0, 100.0f));
    QCOMPARE(Strip(), (QStringList{"1", "0", "100.0 µm", "100 µm", "Pass"}));
    QCOMPARE(Mark("Data1"), QString());
}

void TstMainWindowInspection::unitChangeBeginsNewFigures()
{
    StartStreaming();
    Deliver(Frame(0, 120.0f));
    Deliver(Frame(0, 130.0f));
    // 50 um in mils is below the minimum of 80 um, converted.
    Deliver(Frame(1, 50.0f));
    QCOMPARE(Strip(), (QStringList{"1", "0", "1.9690 mils", "1.969 mils", "Fail"}));
    QCOMPARE(Mark("RealDataLabel"), OutOfLimits);
    QCOMPARE(Mark("Data1"), OutOfLimits);
}

void TstMainWindowInspection::newLimitsMarkTheReadingsAgain()
{
    StartStreaming();
    Deliver(Frame(0, 140.0f));
    Deliver(Frame(0, 120.0f));
    QCOMPARE(Mark("Data1"), QString());

    Click("SettingButton");
    auto *maximum = Child<QLineEdit>("MaximumEdit");
    maximum->setFocus();
    maximum->selectAll();
    QTest::keyClicks(maximum, QStringLiteral("130"));
    QTest::keyClick(maximum, Qt::Key_Return);
    QCOMPARE(InspectionSettings::Load().maximum, 130.0);
    Click("DeviceButton");

    QCOMPARE(Mark("Data1"), OutOfLimits);
    QCOMPARE(Tip("Data1"), QStringLiteral("above the maximum 130 µm"));
    QCOMPARE(Mark("Data2"), QString());
    QCOMPARE(Mark("RealDataLabel"), QString());
    QCOMPARE(Tip("RealDataLabel"), QString());
    QCOMPARE(Strip(), (QStringList{"2", "0", "130.0 µm", "120 µm", "Fail"}));

    // The next reading is judged against the new limits too.
    Deliver(Frame(0, 131.0f));
    QCOMPARE(Mark("Data3"), OutOfLimits);
    QCOMPARE(Text("CountValue"), QStringLiteral("3"));
}

void TstMainWindowInspection::chartsDrawTheLimits()
{
    StartStreaming();
    Deliver(Frame(0, 120.0f));
    Deliver(Frame(0, 110.0f));
    for (const char *path : {"RealTimeLineChartFuncWidget/LineChart",
                             "RealTimeHistogramFuncWidget/RealTimeHistogramFuncWidget"}) {
        auto *chart = Child<QCustomPlot>(path);
        QList<double> lines;
        for (int i = 0; i < chart->itemCount(); ++i) {
            if (auto *line = qobject_cast<QCPItemStraightLine *>(chart->item(i));
                line && line->visible())
                lines.append(line->point1->coords().y());
        }
        std::sort(lines.begin(), lines.end());
        QCOMPARE(lines, (QList<double>{80, 100, 150}));
        // The value axis holds the lines, 20 beyond them as beyond the readings.
        QCOMPARE(chart->yAxis->range().lower, 60.0);
        QCOMPARE(chart->yAxis->range().upper, 170.0);
    }
}

// The strip's Report button writes the run's readings, judged, as a PDF; after Stop too.
void TstMainWindowInspection::reportOfTheLiveRun()
{
    Click("LiveReportButton");
    QVERIFY(m_messages->Shown().contains(ShownMessage{
        DialogWindow::Warning, QStringLiteral("There are no live readings to report yet.")}));

    StartStreaming();
    Deliver(Frame(0, 120.0f));
    Deliver(Frame(0, 70.0f));
    Click("RealStartButton");
    const QString target = m_configDir.filePath(QStringLiteral("live.pdf"));
    FileDialogDriver driver({target});
    Click("LiveReportButton");
    QCOMPARE(driver.SeenDialogs().size(), 1);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {target, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(10000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char *expected :
         {"Live run", "ISO 19840", "Fail", "120", "70.0", "below 80 % of the nominal"})
        QVERIFY2(text.contains(QLatin1String(expected)), expected);
}

QTEST_MAIN(TstMainWindowInspection)
#include "TstMainWindowInspection.moc"
