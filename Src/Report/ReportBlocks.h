#pragma once

#include "InspectionRule.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPair>
#include <QString>
#include <QVector>

#include <functional>

class QPainter;
class QPdfWriter;

// The pieces a report's pages are made of, on one PDF writer: the fonts, the page's measures
// and blocks of a known height that draw themselves from a given top (a heading over a body,
// wrapped text, label and value pairs, blocks stacked), placed down the pages so that the
// whole layout, and so the number of pages, is known before the first stroke.
class ReportBlocks
{
    Q_DECLARE_TR_FUNCTIONS(ReportWriter)

public:
    struct Block
    {
        double height;
        std::function<void(QPainter &, double)> draw;
    };
    using Pairs = QVector<QPair<QString, QString>>;

    explicit ReportBlocks(QPdfWriter *writer);

    QPdfWriter *Writer() const { return m_writer; }
    double Millimetre() const { return m_millimetre; }
    double Width() const { return m_width; }
    // Where the content of a page ends and its foot begins.
    double Bottom() const { return m_bottom; }

    QFont titleFont;
    QFont headingFont;
    QFont bodyFont;
    QFont boldFont;
    QFont smallFont;

    Block Section(const QString &heading, const Block &body) const;
    Block Text(const QFont &font, const QString &text, const QColor &color,
               double indent = 0) const;
    // Labels in bold, the values beside them from labelWidth on, wrapped when long.
    Block PairsBlock(const Pairs &pairs, double labelMm = 48) const;
    Block Stack(const QVector<Block> &blocks) const;

    // Where each block goes: the page and the top on it, a block that does not fit beginning
    // a page. Leaves page and y after the last block.
    QVector<QPair<int, double>> Place(const QVector<Block> &blocks, int *page, double *y) const;
    // Green for a pass, red for a fail, amber for incomplete, grey for no rule.
    static QColor OutcomeColor(InspectionVerdict::Outcome outcome);
    // The rule over the foot, the title on the left, "page n of m" on the right.
    void DrawFooter(QPainter &painter, int page, int pageCount, const QString &title) const;

private:
    QPdfWriter *m_writer;
    double m_millimetre;
    double m_width;
    double m_bottom;
    double m_height;
};
