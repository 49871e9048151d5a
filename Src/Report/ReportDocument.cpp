#include "ReportDocument.h"

#include "FigureText.h"
#include "GaugeUnit.h"
#include "ReportChart.h"
#include "ReportWriter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {
constexpr double ChartMm = 85;
constexpr double LabelMm = 48;
constexpr double FigureColumnMm = 30;
constexpr int MinimumFirstRows = 3;
const QString Dash = QStringLiteral("\u2014");

QColor MarkColor(ReportFigures::Mark mark)
{
    switch (mark) {
    case ReportFigures::Mark::BelowMinimum:
    case ReportFigures::Mark::AboveMaximum:
    case ReportFigures::Mark::BelowRuleFloor:
        return QColor(0xc0, 0x1c, 0x1c);
    case ReportFigures::Mark::Overflow:
        return QColor(0xb0, 0x6a, 0x00);
    case ReportFigures::Mark::UnknownUnit:
        return QColor(0x77, 0x77, 0x77);
    case ReportFigures::Mark::Ok:
        break;
    }
    return Qt::black;
}
} // namespace

ReportDocument::ReportDocument(const InspectionReport &report, QPdfWriter *writer)
    : m_report(report), m_download(report.IsDownload()), m_writer(writer), m_figures(report),
      m_blocks(writer), m_millimetre(m_blocks.Millimetre()), m_width(m_blocks.Width()),
      m_bottom(m_blocks.Bottom())
{
    m_rowHeight = QFontMetricsF(m_blocks.smallFont, m_writer).height() * 1.3;
    m_columns = TableColumns();
    for (auto mark : {ReportFigures::Mark::Ok, ReportFigures::Mark::Overflow,
                      ReportFigures::Mark::BelowMinimum, ReportFigures::Mark::AboveMaximum,
                      ReportFigures::Mark::UnknownUnit, ReportFigures::Mark::BelowRuleFloor})
        m_markTexts.append(ReportWriter::MarkText(mark, m_figures.Criteria()));
}

bool ReportDocument::Paint()
{
    const QVector<Block> blocks = SummaryBlocks();
    int page = 0;
    double y = 0;
    const QVector<QPair<int, double>> places = m_blocks.Place(blocks, &page, &y);
    const Block heading = m_blocks.Section(tr("Readings"), Block{0, {}});
    const TablePlan table = PlanTable(heading, page, y);

    QPainter painter;
    if (!painter.begin(m_writer))
        return false;
    int current = 0;
    for (int i = 0; i < blocks.size(); ++i) {
        while (current < places.at(i).first)
            NextPage(painter, &current);
        blocks.at(i).draw(painter, places.at(i).second);
    }
    while (current < table.page)
        NextPage(painter, &current);
    heading.draw(painter, table.top);
    PaintTable(painter, table.top + heading.height, table, &current);
    DrawFooter(painter, current);
    return painter.end();
}

// The table begins under the summary when its heading, header and a few rows fit there. The
// rows it takes on each page give the number of pages.
ReportDocument::TablePlan ReportDocument::PlanTable(const Block &heading, int page, double y)
{
    if (y > 0 && y + heading.height + (1 + MinimumFirstRows) * m_rowHeight > m_bottom) {
        ++page;
        y = 0;
    }
    TablePlan plan{page, y,
                   static_cast<qint64>((m_bottom - y - heading.height - m_rowHeight) / m_rowHeight),
                   static_cast<qint64>((m_bottom - m_rowHeight) / m_rowHeight)};
    const qint64 rows = m_report.readings.size();
    m_pageCount = page + 1;
    if (rows > plan.firstRows)
        m_pageCount +=
            static_cast<int>((rows - plan.firstRows + plan.rowsPerPage - 1) / plan.rowsPerPage);
    return plan;
}

void ReportDocument::PaintTable(QPainter &painter, double top, const TablePlan &plan,
                                int *page) const
{
    DrawTableHeader(painter, top);
    double y = top + m_rowHeight;
    qint64 room = plan.firstRows;
    if (m_report.readings.isEmpty())
        painter.drawText(QPointF(0, y + m_rowHeight * 0.75), tr("No readings"));
    for (const InspectionReport::Reading &reading : m_report.readings) {
        if (room == 0) {
            NextPage(painter, page);
            DrawTableHeader(painter, 0);
            y = m_rowHeight;
            room = plan.rowsPerPage;
        }
        const ReportFigures::Mark mark = m_figures.MarkOf(reading);
        DrawRow(painter, y, RowTexts(reading, mark), MarkColor(mark));
        y += m_rowHeight;
        --room;
    }
}

void ReportDocument::NextPage(QPainter &painter, int *page) const
{
    DrawFooter(painter, *page);
    m_writer->newPage();
    ++*page;
}

void ReportDocument::DrawFooter(QPainter &painter, int page) const
{
    m_blocks.DrawFooter(painter, page, m_pageCount, Title());
}

QVector<ReportDocument::Column> ReportDocument::TableColumns() const
{
    const double mm = m_millimetre;
    QVector<Column> columns{{tr("No."), 18 * mm, true}};
    if (m_download)
        columns.append({tr("Group"), 22 * mm, true});
    else
        columns.append({tr("Time"), 48 * mm, false});
    columns.append({tr("Value (%1)").arg(FigureText::Unit(m_report.unitCode)), 30 * mm, true});
    columns.append({tr("Status"), 80 * mm, false});
    return columns;
}

QStringList ReportDocument::RowTexts(const InspectionReport::Reading &reading,
                                     ReportFigures::Mark mark) const
{
    const QString second = m_download
                               ? QString::number(reading.group)
                               : reading.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return {QString::number(reading.index), second, reading.valueText,
            m_markTexts.at(static_cast<int>(mark))};
}

void ReportDocument::DrawTableHeader(QPainter &painter, double top) const
{
    double width = 0;
    for (const Column &column : m_columns)
        width += column.width;
    painter.fillRect(QRectF(0, top, width, m_rowHeight), QColor(0xe8, 0xec, 0xf2));
    QFont bold = m_blocks.smallFont;
    bold.setBold(true);
    painter.setFont(bold);
    QStringList titles;
    for (const Column &column : m_columns)
        titles.append(column.title);
    DrawRow(painter, top, titles, Qt::black);
    painter.setFont(m_blocks.smallFont);
}

void ReportDocument::DrawRow(QPainter &painter, double top, const QStringList &texts,
                             const QColor &statusColor) const
{
    const QFontMetricsF metrics(painter.font(), m_writer);
    const double baseline = top + (m_rowHeight + metrics.ascent() - metrics.descent()) / 2;
    const double padding = 1.5 * m_millimetre;
    double left = 0;
    painter.setPen(Qt::black);
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column &column = m_columns.at(i);
        const QString &text = texts.at(i);
        if (i == m_columns.size() - 1)
            painter.setPen(statusColor);
        const double x = column.alignRight
                             ? left + column.width - padding - metrics.horizontalAdvance(text)
                             : left + padding;
        painter.drawText(QPointF(x, baseline), text);
        left += column.width;
    }
}

QVector<ReportDocument::Block> ReportDocument::SummaryBlocks() const
{
    QVector<Block> blocks{TitleBlock()};
    const Block notes = NotesBlock();
    if (notes.height > 0)
        blocks.append(notes);
    blocks << m_blocks.Section(tr("Criteria"), CriteriaBlock())
           << m_blocks.Section(tr("Verdict"), VerdictBlock())
           << m_blocks.Section(tr("Statistics"), StatisticsBlock())
           << m_blocks.Section(tr("Chart"), ChartBlock());
    return blocks;
}

QString ReportDocument::Title() const
{
    return m_report.title.isEmpty() ? tr("Inspection report") : m_report.title;
}

ReportDocument::Block ReportDocument::TitleBlock() const
{
    QVector<QPair<QString, QString>> pairs{
        {tr("Date"), m_report.created.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))},
        {tr("Port"), m_report.port.isEmpty() ? tr("not known") : m_report.port}};
    if (!m_report.source.isEmpty())
        pairs.append({tr("Source"), m_report.source});
    pairs.append({tr("Unit"), FigureText::Unit(m_report.unitCode)});
    pairs.append({tr("Rows listed"), QString::number(m_report.readings.size())});
    return m_blocks.Stack(
        {m_blocks.Text(m_blocks.titleFont, Title(), Qt::black), m_blocks.PairsBlock(pairs)});
}

ReportDocument::Block ReportDocument::NotesBlock() const
{
    const QString unit = FigureText::Unit(m_report.unitCode);
    QStringList notes;
    for (const InspectionReport::Conversion &conversion : m_report.conversions) {
        const QString from = FigureText::Unit(conversion.unitCode);
        notes << (conversion.group >= 0
                      ? tr("Group %1 was measured in %2; its readings are shown converted to %3.")
                            .arg(conversion.group)
                            .arg(from, unit)
                      : tr("Readings measured in %1 are shown converted to %2.").arg(from, unit));
    }
    const auto unknown = std::count_if(m_report.readings.cbegin(), m_report.readings.cend(),
                                       [](const InspectionReport::Reading &r) {
                                           return r.status == LiveRecord::Status::UnknownUnit;
                                       });
    if (unknown > 0)
        notes << tr("Readings of an unknown unit (%1) are listed but not judged.").arg(unknown);
    if (notes.isEmpty())
        return Block{0, {}};
    return m_blocks.Text(m_blocks.bodyFont, notes.join(QLatin1Char('\n')),
                         QColor(0x55, 0x55, 0x55));
}

QString ReportDocument::Thickness(double value) const
{
    if (value <= 0)
        return tr("not set");
    return FigureText::Limit(m_report.unitCode, value) + QLatin1Char(' ') +
           FigureText::Unit(m_report.unitCode);
}

ReportDocument::Block ReportDocument::CriteriaBlock() const
{
    const InspectionCriteria &criteria = m_figures.Criteria();
    QVector<QPair<QString, QString>> pairs{
        {tr("Rule"), InspectionCriteria::RuleName(criteria.rule)},
        {tr("Nominal"), Thickness(criteria.nominal)},
        {tr("Minimum"), Thickness(criteria.minimum)},
        {tr("Maximum"), Thickness(criteria.maximum)}};
    if (criteria.rule == InspectionCriteria::Rule::SspcPa2) {
        pairs.append({tr("Readings per spot"), QString::number(criteria.spotSize)});
        pairs.append({tr("Spot limits"), tr("%1 % of the minimum to %2 % of the maximum")
                                             .arg(criteria.spotLowPercent)
                                             .arg(criteria.spotHighPercent)});
    }
    return m_blocks.PairsBlock(pairs);
}

ReportDocument::Block ReportDocument::VerdictBlock() const
{
    const QString problem = m_figures.Criteria().Problem();
    if (!problem.isEmpty())
        return m_blocks.Text(m_blocks.boldFont, tr("Not judged: %1").arg(problem),
                             ReportBlocks::OutcomeColor(InspectionVerdict::Outcome::Fail));
    const InspectionVerdict verdict = m_figures.Overall().Verdict();
    const double indent = 4 * m_millimetre;
    QVector<Block> lines{m_blocks.Text(m_blocks.boldFont, verdict.Name(),
                                       ReportBlocks::OutcomeColor(verdict.outcome))};
    for (const QString &reason : verdict.reasons)
        lines << m_blocks.Text(m_blocks.bodyFont, QStringLiteral("\u2022 ") + reason, Qt::black,
                               indent);
    if (m_figures.Criteria().rule == InspectionCriteria::Rule::SspcPa2)
        lines << m_blocks.Text(m_blocks.bodyFont, verdict.Progress(), Qt::black, indent);
    const QString markNote = InspectionRule::MarkNote(m_figures.Criteria());
    if (!markNote.isEmpty())
        lines << m_blocks.Text(m_blocks.bodyFont, markNote, Qt::black, indent);
    if (m_figures.AllSeries().size() > 1) {
        for (const ReportFigures::Series &series : m_figures.AllSeries()) {
            if (series.group < 0)
                continue;
            for (const QString &reason : series.inspection.Verdict().reasons)
                lines << m_blocks.Text(m_blocks.bodyFont,
                                       QStringLiteral("\u2022 ") +
                                           tr("Group %1: %2").arg(series.group).arg(reason),
                                       Qt::black, indent);
        }
    }
    return m_blocks.Stack(lines);
}

// A row per figure, a column per series; with more than one series a first row naming them.
QVector<QStringList> ReportDocument::StatisticsRows() const
{
    QVector<QStringList> rows{{QString()},
                              {tr("Readings")},
                              {tr("Overflows")},
                              {tr("Mean")},
                              {tr("Standard deviation")},
                              {tr("Minimum")},
                              {tr("Maximum")},
                              {tr("Range")},
                              {tr("Coefficient of variation")},
                              {tr("Verdict")}};
    for (const ReportFigures::Series &series : m_figures.AllSeries()) {
        const ReadingStatistics &s = series.inspection.Statistics();
        const FigureText::Figures figures =
            FigureText::Of(s, m_report.unitCode, FigureText::UnitShown::Yes, Dash);
        rows[0] << (series.group >= 0 ? tr("Group %1").arg(series.group) : tr("All groups"));
        rows[1] << QString::number(s.Count());
        rows[2] << QString::number(s.Overflows());
        rows[3] << figures.mean;
        rows[4] << figures.deviation;
        rows[5] << figures.minimum;
        rows[6] << figures.maximum;
        rows[7] << figures.range;
        rows[8] << figures.variation;
        rows[9] << series.inspection.Verdict().Name();
    }
    const InspectionCriteria &criteria = m_figures.Criteria();
    const bool perGroup = m_figures.AllSeries().size() > 1;
    // The verdicts of the groups; that of a single series is the report's verdict above.
    if (!perGroup || criteria.rule == InspectionCriteria::Rule::None ||
        !criteria.Problem().isEmpty())
        rows.removeLast();
    if (!perGroup)
        rows.removeFirst();
    return rows;
}

ReportDocument::Block ReportDocument::StatisticsBlock() const
{
    const QVector<QStringList> rows = StatisticsRows();
    const bool headed = m_figures.AllSeries().size() > 1;
    const double lineHeight = QFontMetricsF(m_blocks.bodyFont, m_writer).lineSpacing() * 1.2;
    return Block{lineHeight * rows.size(), [=](QPainter &painter, double top) {
                     painter.setPen(Qt::black);
                     for (int r = 0; r < rows.size(); ++r) {
                         painter.setFont(headed && r == 0 ? m_blocks.boldFont : m_blocks.bodyFont);
                         const QFontMetricsF metrics(painter.font(), m_writer);
                         const double baseline = top + r * lineHeight + metrics.ascent();
                         painter.drawText(QPointF(0, baseline), rows[r].first());
                         for (int c = 1; c < rows[r].size(); ++c) {
                             const double right = (LabelMm + c * FigureColumnMm) * m_millimetre;
                             const double width = metrics.horizontalAdvance(rows[r][c]);
                             painter.drawText(QPointF(right - width, baseline), rows[r][c]);
                         }
                     }
                 }};
}

ReportDocument::Block ReportDocument::ChartBlock() const
{
    const double height = ChartMm * m_millimetre;
    return Block{height, [this, height](QPainter &painter, double top) {
                     painter.setFont(m_blocks.smallFont);
                     painter.setPen(Qt::black);
                     const ReportChart chart(m_report, m_figures.Criteria());
                     chart.Draw(painter, QRectF(0, top, m_width, height), m_millimetre);
                 }};
}
