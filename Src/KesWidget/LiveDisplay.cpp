#include "LiveDisplay.h"

#include "BarChartWidget.h"
#include "DataListWidget.h"
#include "GaugeSession.h"
#include "GaugeUnit.h"
#include "InspectionSettings.h"
#include "KesLabelCell.h"
#include "KesStyle.h"
#include "LineChartWidget.h"
#include "LiveReading.h"
#include "StatisticsWidget.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLabel>

namespace {
// Translated where the window always translated it.
const char *const OverflowSource = QT_TRANSLATE_NOOP("MainWindow", "Data overflow");
const QString OverflowChinese = QStringLiteral("数据溢出");
} // namespace

LiveDisplay::LiveDisplay(const Views &views, const GaugeSession *session, QObject *parent)
    : QObject(parent), m_views(views), m_session(session), m_inspection(InspectionSettings::Load())
{
    connect(&m_inspection, &LiveInspection::ReadingJudged, this, &LiveDisplay::On_ReadingJudged);
    connect(&m_inspection, &LiveInspection::SeriesJudged, this, &LiveDisplay::On_SeriesJudged);
    m_views.statistics->SetSource(&m_inspection);
    // Every reading changes the large reading's text. It is centred between two spacers that
    // share what it leaves, so it may keep the width of its widest text.
    KesLabelCell::Wrap(m_views.reading, KesLabelCell::Backdrop::ParentColour,
                       KesLabelCell::Width::Widest);
    // Shown from the first start on.
    m_views.statistics->hide();
    ShowLimits();
}

QString LiveDisplay::OverflowText()
{
    return QCoreApplication::translate("MainWindow", OverflowSource);
}

bool LiveDisplay::IsOverflowText(const QString &text)
{
    return text == QLatin1String(OverflowSource) || text == OverflowChinese;
}

void LiveDisplay::ShowStarted()
{
    // A run that comes back after its device was lost still holds its readings: one series.
    if (m_values.isEmpty())
        m_inspection.Restart();
    m_views.statistics->show();
    m_views.reading->setText(QStringLiteral("------"));
    MarkReading(ReadingMark::None);
    m_views.barChart->SetShowState(false);
    m_views.lineChart->SetShowState(false);
}

void LiveDisplay::Show(const LiveReading &reading, const LiveRecord &record)
{
    qDebug() << "data: " << reading.Micrometres();
    const QString text = reading.IsOverflow() ? OverflowText() : reading.ReadingText();
    if (m_lastUnitCode == -1 || reading.UnitCode() != m_lastUnitCode) {
        m_lastUnitCode = reading.UnitCode();
        m_texts.clear();
        m_values.clear();
        m_marks.clear();
        m_views.list->SetDataList(m_texts);
    }
    const QString unitText = GaugeUnit::Text(m_lastUnitCode);
    m_views.barChart->SetUnit(unitText);
    m_views.lineChart->SetUnit(unitText);
    const bool seriesStarts = m_texts.isEmpty();
    m_texts.append(text);
    m_inspection.Add(record);
    if (seriesStarts)
        ShowLimits();
    if (reading.HasChartValue()) {
        m_views.unit->setText(reading.UnitLabelText());
        m_values.append(reading.ChartValue());
        m_views.barChart->SetShowState(true);
        m_views.lineChart->SetShowState(true);
        m_views.barChart->SetData(m_values);
        m_views.lineChart->SetData(m_values);
    }
    m_views.reading->setText(text);
    m_views.list->SetDataList(m_texts, m_marks);
}

void LiveDisplay::Clear()
{
    m_values.clear();
    ClearTexts();
}

void LiveDisplay::ClearTexts()
{
    m_texts.clear();
    m_marks.clear();
    m_views.list->SetDataList(m_texts);
}

void LiveDisplay::SetCriteria(const InspectionCriteria &criteria)
{
    m_inspection.SetCriteria(criteria, m_session->Records());
}

void LiveDisplay::On_ReadingJudged(ReadingMark mark)
{
    m_marks.append(mark);
    MarkReading(mark);
}

// The marks are those of the series' readings as the session recorded them, in list order.
void LiveDisplay::On_SeriesJudged(const QVector<ReadingMark> &marks)
{
    for (int entry = 0; entry < m_marks.size(); ++entry)
        m_marks[entry] = marks.value(entry, ReadingMark::None);
    ShowLimits();
    m_views.list->SetMarks(m_marks);
    MarkReading(m_marks.isEmpty() ? ReadingMark::None : m_marks.last());
}

void LiveDisplay::ShowLimits()
{
    const InspectionCriteria &limits = m_inspection.Series().Criteria();
    m_views.lineChart->SetLimits(limits);
    m_views.barChart->SetLimits(limits);
    m_views.list->SetCriteria(limits);
}

// Within the limits the large reading carries no state, so it looks as it always did; a
// marked one names its criterion in the tooltip, as the list's rows do.
void LiveDisplay::MarkReading(ReadingMark mark)
{
    const QString state = mark == ReadingMark::None ? QString() : QStringLiteral("OutOfLimits");
    if (m_views.reading->property("State").toString() != state)
        KesStyle::SetState(m_views.reading, state);
    const QString markText = InspectionRule::MarkText(mark, m_inspection.Series().Criteria());
    if (m_views.reading->toolTip() != markText)
        m_views.reading->setToolTip(markText);
}

std::optional<InspectionReport> LiveDisplay::Report(const QString &port) const
{
    const QVector<LiveRecord> &records = m_session->Records();
    if (records.isEmpty())
        return std::nullopt;
    InspectionReport report = InspectionReport::FromRecords(records);
    report.title =
        tr("Live run %1")
            .arg(records.first().arrival.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    report.source = QDir::toNativeSeparators(m_session->JournalPath());
    report.port = port;
    report.criteria = m_inspection.Criteria();
    return report;
}
