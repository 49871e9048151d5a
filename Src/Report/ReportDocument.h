#pragma once

#include "InspectionReport.h"
#include "ReportBlocks.h"
#include "ReportFigures.h"

#include <QCoreApplication>
#include <QFont>
#include <QStringList>
#include <QVector>

#include <functional>

class QPainter;
class QPdfWriter;

// The pages of one report on a PDF writer: the summary (heading, criteria, verdict,
// statistics, chart) flows down the first page or pages, the table of readings follows on as
// many pages as it needs. The whole layout is known before the first stroke, so every page
// can tell how many pages there are.
class ReportDocument
{
    Q_DECLARE_TR_FUNCTIONS(ReportWriter)

public:
    ReportDocument(const InspectionReport &report, QPdfWriter *writer);

    // Paints every page; false when the writer cannot be painted on.
    bool Paint();

private:
    using Block = ReportBlocks::Block;
    struct Column
    {
        QString title;
        double width;
        bool alignRight;
    };

    // Where the table begins, and how many rows go on its first and on every later page.
    struct TablePlan
    {
        int page;
        double top;
        qint64 firstRows;
        qint64 rowsPerPage;
    };

    TablePlan PlanTable(const Block &heading, int page, double y);
    void PaintTable(QPainter &painter, double top, const TablePlan &plan, int *page) const;
    QVector<Block> SummaryBlocks() const;
    Block TitleBlock() const;
    Block NotesBlock() const;
    Block CriteriaBlock() const;
    Block VerdictBlock() const;
    QVector<QStringList> StatisticsRows() const;
    Block StatisticsBlock() const;
    Block ChartBlock() const;

    QVector<Column> TableColumns() const;
    QStringList RowTexts(const InspectionReport::Reading &reading, ReportFigures::Mark mark) const;
    void DrawRow(QPainter &painter, double top, const QStringList &texts,
                 const QColor &statusColor) const;
    void DrawTableHeader(QPainter &painter, double top) const;
    void DrawFooter(QPainter &painter, int page) const;
    void NextPage(QPainter &painter, int *page) const;

    QString Thickness(double value) const;
    QString Title() const;

    const InspectionReport &m_report;
    bool m_download; // the table has a group column instead of the time
    QPdfWriter *m_writer;
    ReportFigures m_figures;
    ReportBlocks m_blocks;
    double m_millimetre;
    double m_width;
    double m_bottom; // where the content of a page ends and its foot begins
    double m_rowHeight = 0;
    QVector<Column> m_columns;
    QStringList m_markTexts;
    int m_pageCount = 1; // known once the table is planned
};
