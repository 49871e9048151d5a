#include "ReportBlocks.h"

#include "ReportWriter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr double FootMm = 9;

QFont Font(const QString &family, double points, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
} // namespace

ReportBlocks::ReportBlocks(QPdfWriter *writer)
    : m_writer(writer), m_millimetre(writer->resolution() / 25.4), m_width(writer->width()),
      m_bottom(writer->height() - FootMm * m_millimetre), m_height(writer->height())
{
    const QString family = ReportWriter::FontFamily();
    titleFont = Font(family, 16, true);
    headingFont = Font(family, 12, true);
    bodyFont = Font(family, 9.5);
    boldFont = Font(family, 9.5, true);
    smallFont = Font(family, 8.5);
}

ReportBlocks::Block ReportBlocks::Section(const QString &heading, const Block &body) const
{
    const double before = 4 * m_millimetre;
    const double headingHeight =
        before + QFontMetricsF(headingFont, m_writer).lineSpacing() + 1.5 * m_millimetre;
    const QFont font = headingFont;
    const QPdfWriter *writer = m_writer;
    return Block{headingHeight + body.height, [=](QPainter &painter, double top) {
                     painter.setFont(font);
                     painter.setPen(QColor(0x1a, 0x3a, 0x6a));
                     const QFontMetricsF metrics(font, writer);
                     painter.drawText(QPointF(0, top + before + metrics.ascent()), heading);
                     if (body.draw)
                         body.draw(painter, top + headingHeight);
                 }};
}

ReportBlocks::Block ReportBlocks::Text(const QFont &font, const QString &text, const QColor &color,
                                       double indent) const
{
    const double width = m_width - indent;
    const double height = QFontMetricsF(font, m_writer)
                              .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text)
                              .height() +
                          m_millimetre;
    return Block{height, [=](QPainter &painter, double top) {
                     painter.setFont(font);
                     painter.setPen(color);
                     painter.drawText(QRectF(indent, top, width, height), Qt::TextWordWrap, text);
                 }};
}

ReportBlocks::Block ReportBlocks::PairsBlock(const Pairs &pairs, double labelMm) const
{
    const QFontMetricsF metrics(bodyFont, m_writer);
    const QFontMetricsF boldMetrics(boldFont, m_writer);
    const double gap = 2 * m_millimetre;
    double valueLeft = labelMm * m_millimetre;
    // A label longer than its column (another language) moves the values over.
    for (const auto &pair : pairs)
        valueLeft = qMax(valueLeft, boldMetrics.horizontalAdvance(pair.first) + gap);
    valueLeft = qMin(valueLeft, m_width / 2);
    const double valueWidth = m_width - valueLeft;
    const double spacing = metrics.lineSpacing() * 0.15;
    QVector<double> heights;
    double height = 0;
    for (const auto &pair : pairs) {
        const QRectF bounds(0, 0, valueWidth, 1e9);
        const double value = metrics.boundingRect(bounds, Qt::TextWordWrap, pair.second).height();
        const double label =
            boldMetrics
                .boundingRect(QRectF(0, 0, valueLeft - gap, 1e9), Qt::TextWordWrap, pair.first)
                .height();
        heights.append(qMax(qMax(value, label), metrics.lineSpacing()) + spacing);
        height += heights.last();
    }
    const QFont body = bodyFont;
    const QFont bold = boldFont;
    return Block{height, [=](QPainter &painter, double top) {
                     for (int i = 0; i < pairs.size(); ++i) {
                         painter.setFont(bold);
                         painter.setPen(QColor(0x33, 0x33, 0x33));
                         painter.drawText(QRectF(0, top, valueLeft - gap, heights[i]),
                                          Qt::TextWordWrap, pairs[i].first);
                         painter.setFont(body);
                         painter.setPen(Qt::black);
                         painter.drawText(QRectF(valueLeft, top, valueWidth, heights[i]),
                                          Qt::TextWordWrap, pairs[i].second);
                         top += heights[i];
                     }
                 }};
}

ReportBlocks::Block ReportBlocks::Stack(const QVector<Block> &blocks) const
{
    double height = 0;
    for (const Block &block : blocks)
        height += block.height;
    return Block{height, [blocks](QPainter &painter, double top) {
                     for (const Block &block : blocks) {
                         if (block.draw)
                             block.draw(painter, top);
                         top += block.height;
                     }
                 }};
}

QVector<QPair<int, double>> ReportBlocks::Place(const QVector<Block> &blocks, int *page,
                                                double *y) const
{
    QVector<QPair<int, double>> places;
    for (const Block &block : blocks) {
        if (*y > 0 && *y + block.height > m_bottom) {
            ++*page;
            *y = 0;
        }
        places.append({*page, *y});
        *y += block.height;
    }
    return places;
}

void ReportBlocks::DrawFooter(QPainter &painter, int page, int pageCount,
                              const QString &title) const
{
    painter.setFont(smallFont);
    painter.setPen(QPen(QColor(0x99, 0x99, 0x99), 0.15 * m_millimetre));
    const double line = m_bottom + 2.5 * m_millimetre;
    painter.drawLine(QPointF(0, line), QPointF(m_width, line));
    const QRectF foot(0, line, m_width, m_height - line);
    const QString pageText = tr("page %1 of %2").arg(page + 1).arg(pageCount);
    painter.setPen(QColor(0x55, 0x55, 0x55));
    const QFontMetricsF metrics(smallFont, m_writer);
    const QString shown = metrics.elidedText(title, Qt::ElideRight, m_width * 0.6);
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, shown);
    painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, pageText);
}

QColor ReportBlocks::OutcomeColor(InspectionVerdict::Outcome outcome)
{
    switch (outcome) {
    case InspectionVerdict::Outcome::Pass:
        return QColor(0x1f, 0x7a, 0x3a);
    case InspectionVerdict::Outcome::Fail:
        return QColor(0xc0, 0x1c, 0x1c);
    case InspectionVerdict::Outcome::Incomplete:
        return QColor(0xb0, 0x6a, 0x00);
    case InspectionVerdict::Outcome::None:
        break;
    }
    return QColor(0x55, 0x55, 0x55);
}
