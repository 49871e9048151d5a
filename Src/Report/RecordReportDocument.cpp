#include "RecordReportDocument.h"

#include "CriteriaWords.h"
#include "FigureText.h"
#include "LimitComparison.h"
#include "ReportChart.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace {
constexpr double ChartMm = 80;
constexpr double LogoMm = 18;
constexpr double PaddingMm = 1.2;
constexpr double SmallestPoints = 6;
constexpr qint64 FewestRowsOnAPage = 3;
const QString Dash = QStringLiteral("\u2014");
const QColor Red(0xc0, 0x1c, 0x1c);
const QColor Amber(0xb0, 0x6a, 0x00);
const QColor Green(0x1f, 0x7a, 0x3a);
const QColor Grey(0x77, 0x77, 0x77);
const QColor HeaderFill(0xe8, 0xec, 0xf2);

RecordReportDocument::Mark MarkOf(ReadingMark mark)
{
    switch (mark) {
    case ReadingMark::BelowRuleFloor:
        return RecordReportDocument::Mark::BelowRuleFloor;
    case ReadingMark::BelowMinimum:
        return RecordReportDocument::Mark::BelowMinimum;
    case ReadingMark::AboveMaximum:
        return RecordReportDocument::Mark::AboveMaximum;
    case ReadingMark::None:
        break;
    }
    return RecordReportDocument::Mark::None;
}

QString DateTimeText(const QDateTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : Dash;
}

QString OrDash(const QString &text)
{
    return text.isEmpty() ? Dash : text;
}

// The advance from one line to the next of a text of several lines, as the painter sets it.
double LineAdvance(const QFont &font, const QPaintDevice *device)
{
    const QFontMetricsF metrics(font, device);
    const QRectF box(0, 0, 1e6, 1e6);
    return metrics.boundingRect(box, 0, QStringLiteral("0\n0")).height() -
           metrics.boundingRect(box, 0, QStringLiteral("0")).height();
}
} // namespace

RecordReportDocument::RecordReportDocument(const RecordReport &report, QPdfWriter *writer)
    : m_report(report), m_writer(writer), m_blocks(writer)
{
    // Five readings across when their widest texts fit, else four.
    const QFontMetricsF metrics(m_blocks.smallFont, m_writer);
    const double group = metrics.horizontalAdvance(QStringLiteral("0000000  00000.000  XX")) +
                         3 * PaddingMm * m_blocks.Millimetre();
    m_columnGroups = m_blocks.Width() / 5 >= group ? 5 : 4;
}

QString RecordReportDocument::MarkCode(Mark mark)
{
    switch (mark) {
    case Mark::BelowRuleFloor:
        return QStringLiteral("F");
    case Mark::BelowMinimum:
        return QStringLiteral("L");
    case Mark::AboveMaximum:
        return QStringLiteral("H");
    case Mark::Overflow:
        return QStringLiteral("O");
    case Mark::Excluded:
        return QStringLiteral("X");
    case Mark::None:
        break;
    }
    return QString();
}

RecordReportDocument::Item RecordReportDocument::Piece(const Block &block)
{
    return Item{block, Table(), false};
}

RecordReportDocument::Item RecordReportDocument::Piece(const Table &table)
{
    return Item{Block{0, {}}, table, true};
}

bool RecordReportDocument::Paint(const Progress &progress)
{
    const QVector<Item> items = Items();
    const QVector<Place> places = Plan(items);
    QPainter painter;
    if (!painter.begin(m_writer))
        return false;
    int page = 0;
    const QString title = m_report.Title();
    for (const Place &place : places) {
        while (page < place.page) {
            m_blocks.DrawFooter(painter, page, m_pageCount, title);
            m_writer->newPage();
            ++page;
            if (progress)
                progress(page, m_pageCount);
        }
        const Item &item = items.at(place.item);
        if (!item.isTable) {
            if (item.block.draw)
                item.block.draw(painter, place.top);
            continue;
        }
        item.table.header.draw(painter, place.top);
        item.table.drawRows(painter, place.top + item.table.header.height, place.first,
                            place.count);
    }
    m_blocks.DrawFooter(painter, page, m_pageCount, title);
    if (progress)
        progress(m_pageCount, m_pageCount);
    return painter.end();
}

// A block that does not fit begins a page; a table begins one when its header and a few rows
// do not fit, and goes on over the pages its rows need.
QVector<RecordReportDocument::Place> RecordReportDocument::Plan(const QVector<Item> &items)
{
    QVector<Place> places;
    int page = 0;
    double y = 0;
    const double bottom = m_blocks.Bottom();
    for (int i = 0; i < items.size(); ++i) {
        const Item &item = items.at(i);
        if (!item.isTable) {
            if (y > 0 && y + item.block.height > bottom) {
                ++page;
                y = 0;
            }
            places.append({i, page, y});
            y += item.block.height;
            continue;
        }
        const Table &table = item.table;
        const qint64 fewest = qMin(table.rows, FewestRowsOnAPage);
        if (y > 0 && y + table.header.height + fewest * table.rowHeight > bottom) {
            ++page;
            y = 0;
        }
        qint64 first = 0;
        do {
            const qint64 room =
                qMax<qint64>(1, (bottom - y - table.header.height) / table.rowHeight);
            const qint64 count = qMin(room, table.rows - first);
            places.append({i, page, y, first, count});
            y += table.header.height + count * table.rowHeight;
            first += count;
            if (first < table.rows) {
                ++page;
                y = 0;
            }
        } while (first < table.rows);
    }
    m_pageCount = page + 1;
    return places;
}

// The report, section by section.
QVector<RecordReportDocument::Item> RecordReportDocument::Items() const
{
    QVector<Item> items = Cover();
    items += CriteriaItems();
    items += VerdictItems();
    items << Piece(m_blocks.Section(tr("Marks"), MarksBlock()));
    items << Piece(m_blocks.Section(tr("Figures"), Block{0, {}})) << Piece(FiguresTable());
    for (const RecordReport::AreaPart &area : m_report.areas)
        items += AreaItems(area);
    for (const RecordReport::AreaPart &area : m_report.areas) {
        for (const RecordReport::BatchPart &part : area.batches)
            items += BatchItems(part);
    }
    items += PhotoItems();
    items += SignatureItems();
    return items;
}

// Photos two to a page and the attached documents listed after them, a page each.
QVector<RecordReportDocument::Item> RecordReportDocument::PhotoItems() const
{
    QVector<Item> items;
    const auto pages = std::make_shared<PhotoPages>(m_report.photos, m_blocks.bodyFont);
    const double width = m_blocks.Width();
    const double height = m_blocks.Bottom();
    for (int page = 0; page < pages->PageCount(); ++page)
        items << Piece(Block{height, [pages, page, width, height](QPainter &painter, double top) {
                                 pages->PaintPage(painter, page, QRectF(0, top, width, height));
                             }});
    return items;
}

// Cover ------------------------------------------------------------------------------------

QVector<RecordReportDocument::Item> RecordReportDocument::Cover() const
{
    QVector<Item> items{Piece(CompanyBlock()),
                        Piece(m_blocks.Text(m_blocks.titleFont,
                                            tr("Coating thickness inspection report"), Qt::black)),
                        Piece(CoverPairs())};
    items << Piece(m_blocks.Section(tr("Gauge, verifications and conditions"), Block{0, {}}));
    for (const RecordReport::AreaPart &area : m_report.areas) {
        for (const RecordReport::BatchPart &part : area.batches)
            items << Piece(EquipmentBlock(part));
    }
    return items;
}

ReportBlocks::Block RecordReportDocument::CompanyBlock() const
{
    const QImage logo = QImage::fromData(m_report.company.logo);
    const QString name = m_report.company.name;
    if (logo.isNull() && name.isEmpty())
        return Block{0, {}};
    const double mm = m_blocks.Millimetre();
    const double height = (logo.isNull() ? 10 : LogoMm) * mm + 2 * mm;
    const double logoWidth =
        logo.isNull() ? 0 : qMin(LogoMm * mm * logo.width() / logo.height(), 60 * mm);
    const QFont font = m_blocks.titleFont;
    const double width = m_blocks.Width();
    return Block{height, [=](QPainter &painter, double top) {
                     const double logoHeight = height - 2 * mm;
                     if (!logo.isNull())
                         painter.drawImage(QRectF(0, top, logoWidth, logoHeight), logo);
                     painter.setFont(font);
                     painter.setPen(Qt::black);
                     const double left = logoWidth > 0 ? logoWidth + 4 * mm : 0;
                     painter.drawText(QRectF(left, top, width - left, logoHeight),
                                      Qt::AlignVCenter | Qt::TextWordWrap, name);
                 }};
}

ReportBlocks::Block RecordReportDocument::CoverPairs() const
{
    const RecordJob &job = m_report.job;
    const bool unfiled = job.uuid.isEmpty();
    ReportBlocks::Pairs pairs{{tr("Report number"), QString::number(m_report.number.number)},
                              {tr("Revision"), QString::number(m_report.number.revision)},
                              {tr("Job"), unfiled ? tr("Unfiled") : job.name},
                              {tr("Client"), OrDash(job.client)},
                              {tr("Structure"), OrDash(job.structure)},
                              {tr("Location"), OrDash(job.location)},
                              {tr("Coating standard"), OrDash(job.coatingStandard)}};
    for (const RecordReport::AreaPart &part : m_report.areas) {
        QStringList details;
        if (part.area.surfaceSquareMetres)
            details << tr("%1 m²").arg(*part.area.surfaceSquareMetres);
        if (part.area.coat)
            details << tr("coat %1").arg(*part.area.coat);
        if (!part.area.product.isEmpty())
            details << tr("product %1").arg(part.area.product);
        details << tr("batches: %1").arg(part.batches.size());
        pairs.append(
            {tr("Area"), part.Name() + QStringLiteral(": ") + details.join(QStringLiteral(", "))});
    }
    QString inspector = OrDash(m_report.inspector);
    if (!m_report.inspectorCertificate.isEmpty())
        inspector += tr(", certification %1").arg(m_report.inspectorCertificate);
    pairs << QPair<QString, QString>{tr("Inspector"), inspector}
          << QPair<QString, QString>{tr("Date"), DateTimeText(m_report.created)};
    return m_blocks.PairsBlock(pairs);
}

ReportBlocks::Block RecordReportDocument::EquipmentBlock(const RecordReport::BatchPart &part) const
{
    const std::optional<RecordGauge> &gauge = part.gauge;
    QString certificate = Dash;
    if (gauge && !gauge->certificate.isEmpty()) {
        certificate = gauge->certificate;
        if (gauge->calibrationDue.isValid())
            certificate += tr(", due %1").arg(gauge->calibrationDue.toString(Qt::ISODate));
        if (gauge->IsOverdue(part.batch.started.date()))
            certificate += tr(" (overdue when the batch began)");
    }
    ReportBlocks::Pairs pairs{{tr("Source"), part.Source()}};
    if (!part.batch.port.isEmpty())
        pairs.append({tr("Port"), part.batch.port});
    pairs << QPair<QString, QString>{tr("Gauge model"), gauge ? OrDash(gauge->model) : Dash}
          << QPair<QString, QString>{tr("Gauge serial"), gauge ? OrDash(gauge->serial) : Dash}
          << QPair<QString, QString>{tr("Probe serial"), gauge ? OrDash(gauge->probeSerial) : Dash}
          << QPair<QString, QString>{tr("Calibration certificate"), certificate}
          << QPair<QString, QString>{tr("Verification before"), VerificationText(part.before)}
          << QPair<QString, QString>{tr("Verification after"), VerificationText(part.after)}
          << QPair<QString, QString>{tr("Conditions"), part.conditions
                                                           ? ConditionsText(*part.conditions)
                                                           : tr("not recorded")};
    const double gap = 2 * m_blocks.Millimetre();
    const Block pairsBlock = m_blocks.PairsBlock(pairs);
    return Block{pairsBlock.height + gap,
                 [=](QPainter &painter, double top) { pairsBlock.draw(painter, top + gap); }};
}

QString
RecordReportDocument::VerificationText(const std::optional<RecordVerification> &verification) const
{
    if (!verification)
        return tr("none recorded");
    const int unit = verification->unitCode;
    return tr("%1: nominal %2, mean %3, tolerance %4: %5")
        .arg(DateTimeText(verification->time), Thickness(unit, verification->nominal),
             FigureText::Precise(unit, verification->Mean()) + QLatin1Char(' ') +
                 FigureText::Unit(unit),
             FigureText::Percent(verification->tolerancePercent),
             verification->Passed() ? tr("pass") : tr("fail"));
}

QString RecordReportDocument::ConditionsText(const RecordConditions &conditions) const
{
    const auto celsius = [](double value) { return QString::number(value, 'f', 1) + " °C"; };
    QString text =
        tr("air %1, relative humidity %2 %, surface %3, dew point %4, margin %5")
            .arg(celsius(conditions.airCelsius),
                 QString::number(conditions.humidityPercent, 'f', 0),
                 celsius(conditions.surfaceCelsius), celsius(conditions.DewPointCelsius()),
                 celsius(conditions.MarginCelsius()));
    if (conditions.IsMarginLow())
        text += tr(" (below %1: coating not advised)")
                    .arg(celsius(RecordConditions::MarginWarningCelsius));
    return text;
}

QString RecordReportDocument::Thickness(int unitCode, double value) const
{
    return FigureText::Limit(unitCode, value) + QLatin1Char(' ') + FigureText::Unit(unitCode);
}

// Criteria, verdict and marks --------------------------------------------------------------

QVector<RecordReportDocument::Item> RecordReportDocument::CriteriaItems() const
{
    QVector<Item> items{Piece(m_blocks.Section(tr("Criteria"), Block{0, {}}))};
    for (const RecordReport::AreaPart &area : m_report.areas) {
        const QString words = CriteriaWords::Of(area.area.criteria);
        items << Piece(m_blocks.Text(
            m_blocks.bodyFont,
            m_report.areas.size() > 1 ? area.Name() + QStringLiteral(": ") + words : words,
            Qt::black));
        // A batch keeps the criteria it began with; those that differ from the area's are named.
        for (const RecordReport::BatchPart &part : area.batches) {
            if (!(part.batch.criteria == area.area.criteria))
                items << Piece(m_blocks.Text(
                    m_blocks.bodyFont,
                    tr("Batch %1 is judged by the criteria it began with: %2")
                        .arg(part.StartText(), CriteriaWords::Of(part.batch.criteria)),
                    Qt::black, 4 * m_blocks.Millimetre()));
        }
    }
    return items;
}

QVector<RecordReportDocument::Item> RecordReportDocument::VerdictItems() const
{
    const InspectionVerdict::Outcome outcome = m_report.Outcome();
    QVector<Item> items{
        Piece(m_blocks.Section(tr("Verdict"), Block{0, {}})),
        Piece(m_blocks.Text(m_blocks.titleFont, InspectionVerdict::OutcomeName(outcome),
                            ReportBlocks::OutcomeColor(outcome)))};
    const double indent = 4 * m_blocks.Millimetre();
    const auto reasons = [&](const QString &who, const SeriesInspection &inspection) {
        const InspectionVerdict verdict = inspection.Verdict();
        const QString problem = inspection.Criteria().Problem();
        items << Piece(m_blocks.Text(
            m_blocks.boldFont,
            QStringLiteral("%1: %2").arg(who, problem.isEmpty() ? verdict.Name() : problem),
            ReportBlocks::OutcomeColor(verdict.outcome)));
        for (const QString &reason : verdict.reasons)
            items << Piece(m_blocks.Text(m_blocks.bodyFont, QStringLiteral("\u2022 ") + reason,
                                         Qt::black, indent));
        if (inspection.Criteria().rule == InspectionCriteria::Rule::SspcPa2)
            items << Piece(m_blocks.Text(m_blocks.bodyFont, verdict.Progress(), Qt::black, indent));
    };
    for (const RecordReport::AreaPart &area : m_report.areas) {
        if (m_report.scope != RecordReport::Scope::Batch)
            reasons(tr("Area %1, its batches together").arg(area.Name()), area.inspection);
        for (const RecordReport::BatchPart &part : area.batches)
            reasons(tr("Batch %1").arg(part.Source()), part.inspection);
    }
    return items;
}

ReportBlocks::Block RecordReportDocument::MarksBlock() const
{
    const auto line = [](Mark mark, const QString &text) {
        return QStringLiteral("%1  %2").arg(MarkCode(mark), text);
    };
    QStringList lines{
        tr("Readings are listed in columns, each with its number, its value and its marks:"),
        line(Mark::BelowRuleFloor,
             tr("below the share of the nominal the rule allows no reading under (80 % for ISO "
                "19840, 90 % for IMO PSPC); such a reading fails the rule.")),
        line(Mark::BelowMinimum, tr("below the minimum.")),
        line(Mark::AboveMaximum, tr("above the maximum.")),
        line(Mark::Overflow, tr("overflow: the gauge could not measure; counted apart, never in "
                                "the figures.")),
        line(Mark::Excluded, tr("excluded by the inspector (struck through, its reason listed); "
                                "kept, never counted in figures or verdicts.")),
        tr("Readings are the readings judged; overflows and exclusions are counted apart.")};
    bool pa2 = false;
    for (const RecordReport::AreaPart &area : m_report.areas)
        pa2 = pa2 || area.area.criteria.rule == InspectionCriteria::Rule::SspcPa2;
    if (pa2)
        lines << tr("Under SSPC-PA 2 the means of spots and areas are judged, not single "
                    "readings: a reading above the maximum or below the minimum is marked for "
                    "information and can lie in a spot and an area that pass.");
    return m_blocks.Text(m_blocks.bodyFont, lines.join(QLatin1Char('\n')), Qt::black);
}

// Figures ----------------------------------------------------------------------------------

RecordReportDocument::Table RecordReportDocument::FiguresTable() const
{
    Grid grid;
    grid.header = QStringList{tr("Batch"),     tr("Readings"),
                              tr("Overflows"), tr("Excluded"),
                              tr("Mean"),      tr("Standard deviation"),
                              tr("Minimum"),   tr("Maximum"),
                              tr("Range"),     tr("Coefficient of variation"),
                              tr("Verdict")};
    grid.right = {false, true, true, true, true, true, true, true, true, true, false};
    // A row of figures; its verdict is the series' own unless another is given.
    const auto add = [&](const QString &name, const SeriesInspection &inspection, qint64 excluded,
                         bool bold,
                         std::optional<InspectionVerdict::Outcome> outcome = std::nullopt) {
        const ReadingStatistics &s = inspection.Statistics();
        const FigureText::Figures f =
            FigureText::Of(s, inspection.UnitCode(), FigureText::UnitShown::Yes, Dash);
        const InspectionVerdict verdict = inspection.Verdict();
        grid.rows.append({name, QString::number(s.Count()), QString::number(s.Overflows()),
                          QString::number(excluded), f.mean, f.deviation, f.minimum, f.maximum,
                          f.range, f.variation,
                          outcome ? InspectionVerdict::OutcomeName(*outcome) : verdict.Name()});
        grid.lastColours.append(ReportBlocks::OutcomeColor(outcome.value_or(verdict.outcome)));
        grid.boldRows.append(bold);
    };
    qint64 jobExcluded = 0;
    for (const RecordReport::AreaPart &area : m_report.areas) {
        qint64 excluded = 0;
        for (const RecordReport::BatchPart &part : area.batches) {
            add(part.StartText(), part.inspection, part.excluded.size(), false);
            excluded += part.excluded.size();
        }
        if (m_report.scope != RecordReport::Scope::Batch)
            add(tr("Area %1").arg(area.Name()), area.inspection, excluded, true);
        jobExcluded += excluded;
    }
    if (m_report.scope == RecordReport::Scope::Job)
        add(tr("Job %1").arg(m_report.job.name), m_report.jobFigures, jobExcluded, true,
            m_report.Outcome());
    return GridTable(grid);
}

// The columns as wide as their widest text, the headers wrapped by words; when they are
// together wider than the page, the font is made smaller until they fit.
RecordReportDocument::Table RecordReportDocument::GridTable(const Grid &grid) const
{
    const double mm = m_blocks.Millimetre();
    const double padding = PaddingMm * mm;
    QFont font = m_blocks.smallFont;
    QVector<double> widths;
    for (;;) {
        QFont bold = font;
        bold.setBold(true);
        const QFontMetricsF metrics(font, m_writer);
        const QFontMetricsF boldMetrics(bold, m_writer);
        widths.fill(0, grid.header.size());
        double total = 0;
        for (int c = 0; c < grid.header.size(); ++c) {
            for (const QString &word : grid.header.at(c).split(QLatin1Char(' ')))
                widths[c] = qMax(widths[c], boldMetrics.horizontalAdvance(word));
            for (int r = 0; r < grid.rows.size(); ++r)
                widths[c] = qMax(widths[c], (grid.boldRows.value(r) ? boldMetrics : metrics)
                                                .horizontalAdvance(grid.rows[r].value(c)));
            widths[c] += 2 * padding;
            total += widths[c];
        }
        if (total <= m_blocks.Width() || font.pointSizeF() <= SmallestPoints) {
            // What is left over is shared out.
            const double leftOver = qMax(0.0, m_blocks.Width() - total) / widths.size();
            for (double &width : widths)
                width += leftOver;
            break;
        }
        font.setPointSizeF(qMax(SmallestPoints, font.pointSizeF() * m_blocks.Width() / total));
    }
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF boldMetrics(bold, m_writer);
    double headerHeight = 0;
    for (int c = 0; c < grid.header.size(); ++c)
        headerHeight =
            qMax(headerHeight, boldMetrics
                                   .boundingRect(QRectF(0, 0, widths[c] - 2 * padding, 1e6),
                                                 Qt::TextWordWrap, grid.header[c])
                                   .height());
    headerHeight += 2 * padding;
    const double rowHeight = QFontMetricsF(font, m_writer).height() * 1.35;
    const double tableWidth = m_blocks.Width();
    Table table;
    table.header =
        Block{headerHeight, [=](QPainter &painter, double top) {
                  painter.fillRect(QRectF(0, top, tableWidth, headerHeight), HeaderFill);
                  painter.setFont(bold);
                  painter.setPen(Qt::black);
                  double left = 0;
                  for (int c = 0; c < grid.header.size(); ++c) {
                      const QRectF box(left + padding, top + padding, widths[c] - 2 * padding,
                                       headerHeight - 2 * padding);
                      painter.drawText(box,
                                       Qt::TextWordWrap | Qt::AlignBottom |
                                           (grid.right.value(c) ? Qt::AlignRight : Qt::AlignLeft),
                                       grid.header[c]);
                      left += widths[c];
                  }
              }};
    table.rowHeight = rowHeight;
    table.rows = grid.rows.size();
    table.drawRows = [=](QPainter &painter, double top, qint64 first, qint64 count) {
        for (qint64 r = first; r < first + count; ++r) {
            const QStringList &cells = grid.rows.at(r);
            painter.setFont(grid.boldRows.value(r) ? bold : font);
            double left = 0;
            for (int c = 0; c < cells.size(); ++c) {
                const bool last = c == cells.size() - 1;
                painter.setPen(last ? grid.lastColours.value(r, Qt::black) : QColor(Qt::black));
                const QRectF box(left + padding, top, widths.value(c) - 2 * padding, rowHeight);
                painter.drawText(
                    box, Qt::AlignVCenter | (grid.right.value(c) ? Qt::AlignRight : Qt::AlignLeft),
                    cells[c]);
                left += widths.value(c);
            }
            top += rowHeight;
        }
    };
    return table;
}

// Per area ---------------------------------------------------------------------------------

QVector<RecordReportDocument::Item>
RecordReportDocument::AreaItems(const RecordReport::AreaPart &area) const
{
    const InspectionCriteria::Rule rule = area.inspection.Criteria().rule;
    const QString name = m_report.scope == RecordReport::Scope::Batch
                             ? QString()
                             : QStringLiteral(" \u2014 ") + area.Name();
    QVector<Item> items;
    if (rule == InspectionCriteria::Rule::Iso19840 || rule == InspectionCriteria::Rule::ImoPspc)
        items << Piece(m_blocks.Section(tr("Readings by band") + name, BandsBlock(area)));
    if (rule == InspectionCriteria::Rule::SspcPa2) {
        items << Piece(m_blocks.Section(tr("Spots and areas") + name, Block{0, {}}));
        const int spotSize = qMax(1, area.inspection.Criteria().spotSize);
        if (area.values.size() < spotSize)
            items << Piece(
                m_blocks.Text(m_blocks.bodyFont, tr("No spot is complete yet."), Qt::black));
        else
            items << Piece(SpotTable(area));
    }
    items << Piece(m_blocks.Section(tr("Chart") + name, ChartBlock(area)));
    return items;
}

// The shares of the readings below the rule's floor, from it up to below the nominal, and at
// or above the nominal, as figures and as bars.
ReportBlocks::Block RecordReportDocument::BandsBlock(const RecordReport::AreaPart &area) const
{
    const InspectionCriteria &criteria = area.inspection.Criteria();
    const int floor = criteria.rule == InspectionCriteria::Rule::Iso19840 ? 80 : 90;
    qint64 counts[3] = {0, 0, 0};
    for (double value : area.values) {
        if (criteria.IsBelowRuleFloor(value))
            ++counts[0];
        else if (LimitComparison::IsBelow(value, criteria.nominal))
            ++counts[1];
        else
            ++counts[2];
    }
    const qint64 total = area.values.size();
    const QString nominal = Thickness(criteria.unitCode, criteria.nominal);
    const QStringList labels{tr("below %1 % of the nominal").arg(floor),
                             tr("from %1 % up to below the nominal").arg(floor),
                             tr("at or above the nominal %1").arg(nominal)};
    const QColor colours[3] = {Red, Amber, Green};
    const double mm = m_blocks.Millimetre();
    const QFont font = m_blocks.bodyFont;
    const QFontMetricsF metrics(font, m_writer);
    double labelWidth = 0;
    for (const QString &label : labels)
        labelWidth = qMax(labelWidth, metrics.horizontalAdvance(label));
    labelWidth = qMin(labelWidth + 3 * mm, m_blocks.Width() * 0.45);
    const double countWidth =
        metrics.horizontalAdvance(QStringLiteral("0000000 (100.0 %)")) + 3 * mm;
    const double barLeft = labelWidth + countWidth;
    const double barWidth = m_blocks.Width() - barLeft;
    const double rowHeight = metrics.height() * 1.5;
    return Block{
        3 * rowHeight + mm, [=](QPainter &painter, double top) {
            painter.setFont(font);
            for (int band = 0; band < 3; ++band) {
                const double share = total > 0 ? double(counts[band]) / total : 0;
                const QRectF row(0, top + band * rowHeight, m_blocks.Width(), rowHeight);
                painter.setPen(Qt::black);
                painter.drawText(QRectF(0, row.top(), labelWidth, rowHeight),
                                 Qt::AlignVCenter | Qt::TextWordWrap, labels[band]);
                painter.drawText(QRectF(labelWidth, row.top(), countWidth - 2 * mm, rowHeight),
                                 Qt::AlignVCenter | Qt::AlignRight,
                                 QStringLiteral("%1 (%2)")
                                     .arg(counts[band])
                                     .arg(FigureText::Percent(100 * share)));
                painter.fillRect(
                    QRectF(barLeft, row.top() + rowHeight * 0.2, barWidth * share, rowHeight * 0.6),
                    colours[band]);
                painter.setPen(QPen(Grey, 0.1 * mm));
                painter.drawRect(
                    QRectF(barLeft, row.top() + rowHeight * 0.2, barWidth, rowHeight * 0.6));
            }
        }};
}

// Every complete spot with its readings and mean, and after every fifth spot the area they
// make, each held against its limits as the rule holds it.
RecordReportDocument::Table
RecordReportDocument::SpotTable(const RecordReport::AreaPart &area) const
{
    const InspectionCriteria &criteria = area.inspection.Criteria();
    const int unit = criteria.unitCode;
    const double spotLow = LimitComparison::Share(criteria.minimum, criteria.spotLowPercent);
    const double spotHigh = LimitComparison::Share(criteria.maximum, criteria.spotHighPercent);
    const auto within = [&](double mean, double low, double high) {
        return !LimitComparison::IsBelow(mean, low) && !LimitComparison::IsAbove(mean, high);
    };
    Grid grid;
    grid.header = QStringList{tr("Spot"), tr("Readings"), tr("Mean"), tr("Limits"), tr("Judged")};
    grid.right = {false, false, true, false, false};
    const int size = qMax(1, criteria.spotSize);
    double areaSum = 0;
    int areaSpots = 0;
    int areaNumber = 0;
    for (int spot = 0; (spot + 1) * size <= area.values.size(); ++spot) {
        QStringList readings;
        double sum = 0;
        for (int i = spot * size; i < (spot + 1) * size; ++i) {
            readings << FigureText::Reading(unit, area.values.at(i));
            sum += area.values.at(i);
        }
        const double mean = sum / size;
        const bool in = within(mean, spotLow, spotHigh);
        grid.rows.append(
            {tr("Spot %1").arg(spot + 1), readings.join(QLatin1Char(' ')),
             FigureText::Precise(unit, mean),
             tr("%1 to %2")
                 .arg(FigureText::Limit(unit, spotLow), FigureText::Limit(unit, spotHigh)),
             in ? tr("in limits") : tr("out of limits")});
        grid.lastColours.append(in ? Green : Red);
        grid.boldRows.append(false);
        areaSum += mean;
        if (++areaSpots < InspectionRule::SpotsPerArea)
            continue;
        const double areaMean = areaSum / areaSpots;
        const bool areaIn = within(areaMean, criteria.minimum, criteria.maximum);
        ++areaNumber;
        grid.rows.append({tr("Area %1").arg(areaNumber),
                          tr("spots %1 to %2").arg(spot + 2 - areaSpots).arg(spot + 1),
                          FigureText::Precise(unit, areaMean),
                          tr("%1 to %2")
                              .arg(FigureText::Limit(unit, criteria.minimum),
                                   FigureText::Limit(unit, criteria.maximum)),
                          areaIn ? tr("in limits") : tr("out of limits")});
        grid.lastColours.append(areaIn ? Green : Red);
        grid.boldRows.append(true);
        areaSum = 0;
        areaSpots = 0;
    }
    return GridTable(grid);
}

ReportBlocks::Block RecordReportDocument::ChartBlock(const RecordReport::AreaPart &area) const
{
    ReportChart::Starts starts;
    if (area.batches.size() > 1) {
        int position = 0;
        for (const RecordReport::BatchPart &part : area.batches) {
            starts.append({position, part.batch.started.toString(QStringLiteral("HH:mm"))});
            position += static_cast<int>(part.inspection.Statistics().Count());
        }
    }
    const double height = ChartMm * m_blocks.Millimetre();
    const QFont font = m_blocks.smallFont;
    const double width = m_blocks.Width();
    const double mm = m_blocks.Millimetre();
    const QVector<double> values = area.values;
    const InspectionCriteria criteria = area.inspection.Criteria();
    return Block{height, [=](QPainter &painter, double top) {
                     painter.setFont(font);
                     painter.setPen(Qt::black);
                     const ReportChart chart(values, starts, criteria);
                     chart.Draw(painter, QRectF(0, top, width, height), mm);
                 }};
}

// Per batch --------------------------------------------------------------------------------

QVector<RecordReportDocument::Item>
RecordReportDocument::BatchItems(const RecordReport::BatchPart &part) const
{
    QVector<Item> items{
        Piece(m_blocks.Section(tr("Readings of %1").arg(part.Source()), Block{0, {}}))};
    if (part.readings.isEmpty())
        items << Piece(m_blocks.Text(m_blocks.bodyFont, tr("No readings"), Qt::black));
    else
        items << Piece(ReadingsTable(part));
    const double indent = 4 * m_blocks.Millimetre();
    QStringList exclusions;
    QStringList notes;
    for (const ReadingAnnotation &mark : part.marks) {
        if (mark.excluded)
            exclusions << tr("No. %1: %2").arg(mark.index).arg(OrDash(mark.reason));
        if (!mark.note.isEmpty())
            notes << tr("No. %1: %2").arg(mark.index).arg(mark.note);
    }
    const auto list = [&](const QString &heading, const QStringList &lines) {
        if (lines.isEmpty())
            return;
        // The heading stays with the first line.
        items << Piece(
            m_blocks.Stack({m_blocks.Text(m_blocks.boldFont, heading, Qt::black),
                            m_blocks.Text(m_blocks.bodyFont, lines.first(), Qt::black, indent)}));
        for (const QString &line : lines.mid(1))
            items << Piece(m_blocks.Text(m_blocks.bodyFont, line, Qt::black, indent));
    };
    list(tr("Exclusions"), exclusions);
    list(tr("Notes on readings"), notes);
    if (!part.batch.notes.isEmpty())
        list(tr("Notes"), {part.batch.notes});
    return items;
}

RecordReportDocument::Table
RecordReportDocument::ReadingsTable(const RecordReport::BatchPart &part) const
{
    const int groups = m_columnGroups;
    const double groupWidth = m_blocks.Width() / groups;
    QFont bold = m_blocks.smallFont;
    bold.setBold(true);
    const double headerHeight = QFontMetricsF(bold, m_writer).height() * 1.4;
    const QString unit = FigureText::Unit(part.inspection.UnitCode());
    const QString number = tr("No.");
    Table table;
    table.header =
        Block{headerHeight, [=](QPainter &painter, double top) {
                  painter.fillRect(QRectF(0, top, m_blocks.Width(), headerHeight), HeaderFill);
                  painter.setFont(bold);
                  painter.setPen(Qt::black);
                  for (int g = 0; g < groups; ++g) {
                      const double left = g * groupWidth;
                      const QRectF box(left, top, groupWidth * 0.40, headerHeight);
                      painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, number);
                      painter.drawText(QRectF(left, top, groupWidth * 0.80, headerHeight),
                                       Qt::AlignRight | Qt::AlignVCenter, unit);
                  }
              }};
    table.rowHeight = LineAdvance(m_blocks.smallFont, m_writer);
    table.rows = (part.readings.size() + groups - 1) / groups;
    table.drawRows = [this, &part](QPainter &painter, double top, qint64 first, qint64 count) {
        DrawReadings(painter, part, top, first, count);
    };
    return table;
}

// The readings of a run of rows, down each column in turn. Each column is a few texts of
// several lines (numbers; plain, marked and struck values; marks), not a text per reading:
// a report of 100 000 readings is drawn in a few thousand strokes.
void RecordReportDocument::DrawReadings(QPainter &painter, const RecordReport::BatchPart &part,
                                        double top, qint64 first, qint64 count) const
{
    const int groups = m_columnGroups;
    const double groupWidth = m_blocks.Width() / groups;
    const qint64 begin = first * groups;
    const qint64 end = qMin<qint64>(part.readings.size(), begin + count * groups);
    const SeriesInspection &inspection = part.inspection;
    QFont struck = m_blocks.smallFont;
    struck.setStrikeOut(true);
    const double height = m_blocks.Bottom();
    for (int g = 0; g < groups; ++g) {
        const qint64 from = begin + g * count;
        const qint64 to = qMin(end, from + count);
        if (from >= to)
            break;
        QString numbers, plain, marked, excluded, codes;
        bool anyMarked = false;
        bool anyExcluded = false;
        for (qint64 i = from; i < to; ++i) {
            const LiveRecord &record = part.readings.at(static_cast<int>(i));
            const bool isExcluded = part.excluded.contains(record.index);
            Mark mark = Mark::None;
            if (isExcluded)
                mark = Mark::Excluded;
            else if (record.status == LiveRecord::Status::Overflow)
                mark = Mark::Overflow;
            else if (record.HasValue() && record.unitCode == inspection.UnitCode())
                mark = MarkOf(inspection.MarkOf(record.Value()));
            const QString value =
                record.status == LiveRecord::Status::Overflow ? Dash : record.valueText;
            const QChar newline = QLatin1Char('\n');
            numbers += QString::number(record.index) + newline;
            (isExcluded ? excluded : mark == Mark::None ? plain : marked) += value;
            for (QString *column : {&plain, &marked, &excluded})
                *column += newline;
            codes += MarkCode(mark) + newline;
            anyMarked = anyMarked || mark != Mark::None;
            anyExcluded = anyExcluded || isExcluded;
        }
        const double left = g * groupWidth;
        const QRectF numberBox(left, top, groupWidth * 0.40, height);
        const QRectF valueBox(left, top, groupWidth * 0.80, height);
        const QRectF codeBox(left + groupWidth * 0.83, top, groupWidth * 0.17, height);
        const int flags = Qt::AlignRight | Qt::AlignTop;
        painter.setFont(m_blocks.smallFont);
        painter.setPen(Qt::black);
        painter.drawText(numberBox, flags, numbers);
        painter.drawText(valueBox, flags, plain);
        // Only the texts that hold something: most columns have no mark at all.
        painter.setPen(Red);
        if (anyMarked) {
            painter.drawText(valueBox, flags, marked);
            painter.drawText(codeBox, Qt::AlignLeft | Qt::AlignTop, codes);
        }
        if (anyExcluded) {
            painter.setPen(Grey);
            painter.setFont(struck);
            painter.drawText(valueBox, flags, excluded);
        }
    }
}

// Signatures -------------------------------------------------------------------------------

// The reviewers' sign-offs, a piece each so that many of them run over pages, then the lines
// to sign; the heading goes with the first of them.
QVector<RecordReportDocument::Item> RecordReportDocument::SignatureItems() const
{
    QVector<Block> blocks = SignOffBlocks();
    blocks.append(SignatureBlock());
    QVector<Item> items{Piece(m_blocks.Section(tr("Signatures"), blocks.first()))};
    for (int at = 1; at < blocks.size(); ++at)
        items << Piece(blocks.at(at));
    return items;
}

// The sign-offs standing when the report is written. A withdrawn one is no approval, and the
// report leaves it out (the records' history keeps it).
QVector<ReportBlocks::Block> RecordReportDocument::SignOffBlocks() const
{
    QVector<Block> blocks;
    for (const RecordSignOff &signOff : m_report.signOffs) {
        QString text = tr("%1 signed off %2 on %3.")
                           .arg(signOff.reviewer, m_report.SignedOff(signOff),
                                signOff.time.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        if (!signOff.note.isEmpty())
            text += QLatin1Char(' ') + tr("Note: %1").arg(signOff.note);
        blocks.append(m_blocks.Text(m_blocks.bodyFont, text, Qt::black, 4 * m_blocks.Millimetre()));
    }
    if (blocks.isEmpty())
        return blocks;
    blocks.first() = m_blocks.Stack(
        {m_blocks.Text(m_blocks.boldFont, tr("Reviewer's sign-off"), Qt::black), blocks.first()});
    blocks.append(Block{3 * m_blocks.Millimetre(), {}});
    return blocks;
}

ReportBlocks::Block RecordReportDocument::SignatureBlock() const
{
    const double mm = m_blocks.Millimetre();
    const QFont font = m_blocks.bodyFont;
    const QFont bold = m_blocks.boldFont;
    const double lineHeight = QFontMetricsF(font, m_writer).height();
    const double columnWidth = m_blocks.Width() / 2 - 5 * mm;
    const QStringList whos{tr("Inspector"), tr("Client's representative")};
    const QStringList names{m_report.inspector, QString()};
    const QStringList fields{tr("Name"), tr("Signature"), tr("Date")};
    const double rowHeight = 11 * mm;
    const double height = lineHeight * 1.5 + fields.size() * rowHeight + 2 * mm;
    return Block{
        height, [=](QPainter &painter, double top) {
            for (int column = 0; column < 2; ++column) {
                const double left = column * (columnWidth + 10 * mm);
                painter.setFont(bold);
                painter.setPen(Qt::black);
                painter.drawText(QRectF(left, top, columnWidth, lineHeight * 1.5),
                                 Qt::AlignLeft | Qt::AlignTop, whos[column]);
                painter.setFont(font);
                for (int f = 0; f < fields.size(); ++f) {
                    const double base = top + lineHeight * 1.5 + (f + 1) * rowHeight;
                    painter.setPen(QPen(Grey, 0.2 * mm));
                    painter.drawLine(QPointF(left, base), QPointF(left + columnWidth, base));
                    painter.setPen(Qt::black);
                    const QString text = f == 0 && !names[column].isEmpty()
                                             ? fields[f] + QStringLiteral(": ") + names[column]
                                             : fields[f] + QLatin1Char(':');
                    painter.drawText(QRectF(left, base - lineHeight * 1.2, columnWidth, lineHeight),
                                     Qt::AlignLeft | Qt::AlignBottom, text);
                }
            }
        }};
}
