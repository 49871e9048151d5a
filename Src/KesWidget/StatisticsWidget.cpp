#include "StatisticsWidget.h"
#include "ui_StatisticsWidget.h"

#include "FigureText.h"
#include "FiguresPanel.h"
#include "KesLabelCell.h"
#include "KesStyle.h"
#include "LiveInspection.h"

namespace {
const QString NoFigure = QStringLiteral("-");

QString VerdictState(InspectionVerdict::Outcome outcome)
{
    switch (outcome) {
    case InspectionVerdict::Outcome::Pass:
        return QStringLiteral("Pass");
    case InspectionVerdict::Outcome::Fail:
        return QStringLiteral("Fail");
    case InspectionVerdict::Outcome::None:
    case InspectionVerdict::Outcome::Incomplete:
        break;
    }
    return QString();
}
} // namespace

StatisticsWidget::StatisticsWidget(QWidget *parent) : QWidget(parent), ui(new Ui::StatisticsWidget)
{
    ui->setupUi(this);
    ui->VerdictReasons->setWordWrap(true);
    // The figures change with every reading, their widths seldom.
    for (QLabel *figure : {ui->CountValue, ui->OverflowsValue, ui->MeanValue, ui->DeviationValue,
                           ui->MinimumValue, ui->MaximumValue, ui->RangeValue, ui->VariationValue})
        KesLabelCell::Wrap(figure, KesLabelCell::Backdrop::ParentColour);
    setStyleSheet(KesStyle::StyleSheet(QStringLiteral("StatisticsWidget")));
    connect(ui->LiveReportButton, &QPushButton::clicked, this, &StatisticsWidget::ReportRequested);
}

StatisticsWidget::~StatisticsWidget()
{
    delete ui;
}

void StatisticsWidget::SetSource(const LiveInspection *inspection)
{
    if (m_inspection)
        disconnect(m_inspection, nullptr, this, nullptr);
    m_inspection = inspection;
    connect(inspection, &LiveInspection::ReadingJudged, this, &StatisticsWidget::Refresh);
    connect(inspection, &LiveInspection::SeriesJudged, this, &StatisticsWidget::Refresh);
    Refresh();
}

void StatisticsWidget::Refresh()
{
    if (!m_inspection)
        return;
    ShowFigures();
    ShowVerdict();
}

void StatisticsWidget::ShowFigures()
{
    const int unit = m_inspection->Series().UnitCode();
    const ReadingStatistics &statistics = m_inspection->Series().Statistics();
    ui->CountValue->setText(QString::number(statistics.Count()));
    ui->OverflowsValue->setText(QString::number(statistics.Overflows()));
    const FigureText::Figures figures =
        FigureText::Of(statistics, unit, FigureText::UnitShown::Yes, NoFigure);
    ui->MeanValue->setText(figures.mean);
    ui->DeviationValue->setText(figures.deviation);
    ui->MinimumValue->setText(figures.minimum);
    ui->MaximumValue->setText(figures.maximum);
    ui->RangeValue->setText(figures.range);
    ui->VariationValue->setText(figures.variation);
}

void StatisticsWidget::ShowVerdict()
{
    const InspectionCriteria::Rule rule = m_inspection->Criteria().rule;
    ui->VerdictCaption->setText(rule == InspectionCriteria::Rule::None
                                    ? tr("Verdict")
                                    : InspectionCriteria::RuleName(rule));
    const InspectionVerdict verdict = m_inspection->Series().Verdict();
    ui->VerdictLabel->setText(verdict.Name());
    const QString state = VerdictState(verdict.outcome);
    if (ui->VerdictLabel->property("State").toString() != state)
        KesStyle::SetState(ui->VerdictLabel, state);
    // Whole, wrapped over as many lines as it takes; the tooltip holds it one reason a line.
    const QStringList explanation =
        FiguresPanel::Explanation(verdict, m_inspection->Series().Criteria());
    ui->VerdictReasons->setText(explanation.join(QStringLiteral("; ")));
    ui->VerdictWidget->setToolTip(explanation.join(QLatin1Char('\n')));
}

void StatisticsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        Refresh();
    } else {
        QWidget::changeEvent(event);
    }
}
