#include "FiguresPanel.h"

#include "FigureText.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const int FiguresPerLine = 2;
} // namespace

FiguresPanel::FiguresPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FiguresPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    const char *const objectNames[FigureCount] = {
        "FigureCount",   "FigureOverflows", "FigureMean",  "FigureStandardDeviation",
        "FigureMinimum", "FigureMaximum",   "FigureRange", "FigureVariation"};
    for (int figure = 0; figure < FigureCount; ++figure)
        m_values[figure] = AddFigure(grid, figure, objectNames[figure]);
    layout->addLayout(grid);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("FigureVerdict"));
    layout->addWidget(m_verdict);
    m_reasons = new QLabel(this);
    m_reasons->setObjectName(QStringLiteral("FigureReasons"));
    m_reasons->setWordWrap(true);
    layout->addWidget(m_reasons);
    ShowNames();
    Clear();
}

QLabel *FiguresPanel::AddFigure(QGridLayout *grid, int figure, const char *objectName)
{
    const int line = figure / FiguresPerLine;
    const int column = 2 * (figure % FiguresPerLine);
    m_names[figure] = new QLabel(this);
    grid->addWidget(m_names[figure], line, column);
    auto *value = new QLabel(this);
    value->setObjectName(QLatin1String(objectName));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(value, line, column + 1);
    return value;
}

void FiguresPanel::ShowNames()
{
    const QString names[FigureCount] = {tr("Readings:"), tr("Overflows:"), tr("Mean:"),
                                        tr("SD:"),       tr("Min:"),       tr("Max:"),
                                        tr("Range:"),    tr("CoV:")};
    for (int figure = 0; figure < FigureCount; ++figure)
        m_names[figure]->setText(names[figure]);
}

void FiguresPanel::Show(const SeriesInspection &inspection)
{
    m_inspection = inspection;
    ShowFigures();
}

void FiguresPanel::Clear()
{
    m_inspection.reset();
    ShowFigures();
}

void FiguresPanel::ShowFigures()
{
    if (!m_inspection) {
        for (QLabel *value : m_values)
            value->clear();
        m_verdict->clear();
        m_reasons->clear();
        return;
    }
    const ReadingStatistics &statistics = m_inspection->Statistics();
    const FigureText::Figures figures =
        FigureText::Of(statistics, m_inspection->UnitCode(), FigureText::UnitShown::Yes);
    m_values[Count]->setText(QString::number(statistics.Count()));
    m_values[Overflows]->setText(QString::number(statistics.Overflows()));
    m_values[Mean]->setText(figures.mean);
    m_values[StandardDeviation]->setText(figures.deviation);
    m_values[Minimum]->setText(figures.minimum);
    m_values[Maximum]->setText(figures.maximum);
    m_values[Range]->setText(figures.range);
    m_values[Variation]->setText(figures.variation);
    const InspectionVerdict verdict = m_inspection->Verdict();
    m_verdict->setText(tr("Verdict: %1").arg(VerdictText(verdict, m_inspection->Criteria().rule)));
    m_verdict->setStyleSheet(QStringLiteral("QLabel { color: %1; font-weight: bold; }")
                                 .arg(OutcomeColor(verdict.outcome).name()));
    m_reasons->setText(Explanation(verdict, m_inspection->Criteria()).join(QLatin1Char('\n')));
}

QColor FiguresPanel::OutcomeColor(InspectionVerdict::Outcome outcome)
{
    switch (outcome) {
    case InspectionVerdict::Outcome::Pass:
        return QColor(0x2E, 0x7D, 0x32);
    case InspectionVerdict::Outcome::Fail:
        return QColor(0xC6, 0x28, 0x28);
    case InspectionVerdict::Outcome::Incomplete:
        return QColor(0xB2, 0x6A, 0x00);
    case InspectionVerdict::Outcome::None:
        break;
    }
    return QColor(0x75, 0x75, 0x75);
}

QString FiguresPanel::VerdictText(const InspectionVerdict &verdict, InspectionCriteria::Rule rule)
{
    const QString outcome = verdict.Name();
    if (rule == InspectionCriteria::Rule::None)
        return outcome;
    return QStringLiteral("%1 (%2)").arg(outcome, InspectionCriteria::RuleName(rule));
}

QStringList FiguresPanel::Explanation(const InspectionVerdict &verdict,
                                      const InspectionCriteria &criteria)
{
    QStringList lines = verdict.reasons;
    if (criteria.rule == InspectionCriteria::Rule::SspcPa2)
        lines << verdict.Progress();
    const QString note = InspectionRule::MarkNote(criteria);
    if (!note.isEmpty())
        lines << note;
    return lines;
}

void FiguresPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ShowNames();
        ShowFigures();
    }
    QWidget::changeEvent(event);
}
