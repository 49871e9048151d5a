#pragma once

#include "RecordReport.h"
#include "ReportBlocks.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

#include <functional>

class QPainter;
class QPdfWriter;

// The pages of a report from the records, A4 portrait: the cover (company, number, job,
// areas, inspector, and per batch its gauge, verifications, conditions and source), the
// criteria in words, the verdict with every reason, what each mark means, the figures of every
// batch and of the area or job in one table, per area the shares of the rule's bands, the
// SSPC-PA 2 spots and areas and the chart, per batch its readings in columns with exclusions
// and notes, the reviewers' sign-offs and the lines to sign. Tables run over as many pages as they
// need with their header on each; everything is laid out before the first stroke, so every page
// knows the number of pages.
class RecordReportDocument
{
    Q_DECLARE_TR_FUNCTIONS(RecordReportDocument)

public:
    using Progress = std::function<void(int page, int pages)>;

    RecordReportDocument(const RecordReport &report, QPdfWriter *writer);

    // Paints every page, telling progress after each; false when the writer cannot be
    // painted on.
    bool Paint(const Progress &progress = Progress());
    int PageCount() const { return m_pageCount; }

    // The marks a reading in the columns carries, and what each of them means.
    enum class Mark
    {
        None,
        BelowRuleFloor,
        BelowMinimum,
        AboveMaximum,
        Overflow,
        Excluded
    };
    static QString MarkCode(Mark mark);

private:
    using Block = ReportBlocks::Block;
    // Rows drawn from a top, the first of them and how many.
    using RowPainter = std::function<void(QPainter &, double, qint64, qint64)>;
    // Something that runs over pages: its header on every page, rows of one height.
    struct Table
    {
        Block header;
        double rowHeight = 0;
        qint64 rows = 0;
        RowPainter drawRows;
    };
    // One piece of the flow: a block, or a table when it has rows.
    struct Item
    {
        Block block;
        Table table;
        bool isTable = false;
    };
    // Where a piece (or a run of a table's rows) goes.
    struct Place
    {
        int item;
        int page;
        double top;
        qint64 first = 0;
        qint64 count = 0;
    };
    // A table of texts: its header, rows, the columns right-aligned, and the colour of each
    // row's last cell.
    struct Grid
    {
        QStringList header;
        QVector<QStringList> rows;
        QVector<bool> right;
        QVector<QColor> lastColours;
        QVector<bool> boldRows;
    };

    QVector<Item> Items() const;
    QVector<Place> Plan(const QVector<Item> &items);

    QVector<Item> Cover() const;
    Block CompanyBlock() const;
    Block CoverPairs() const;
    Block EquipmentBlock(const RecordReport::BatchPart &part) const;
    QVector<Item> CriteriaItems() const;
    QVector<Item> VerdictItems() const;
    Block MarksBlock() const;
    Table FiguresTable() const;
    QVector<Item> AreaItems(const RecordReport::AreaPart &area) const;
    Block BandsBlock(const RecordReport::AreaPart &area) const;
    Table SpotTable(const RecordReport::AreaPart &area) const;
    Block ChartBlock(const RecordReport::AreaPart &area) const;
    QVector<Item> BatchItems(const RecordReport::BatchPart &part) const;
    Table ReadingsTable(const RecordReport::BatchPart &part) const;
    QVector<Item> PhotoItems() const;
    QVector<Item> SignatureItems() const;
    QVector<Block> SignOffBlocks() const;
    Block SignatureBlock() const;

    Table GridTable(const Grid &grid) const;
    void DrawReadings(QPainter &painter, const RecordReport::BatchPart &part, double top,
                      qint64 first, qint64 count) const;
    QString Thickness(int unitCode, double value) const;
    QString VerificationText(const std::optional<RecordVerification> &verification) const;
    QString ConditionsText(const RecordConditions &conditions) const;
    static Item Piece(const Block &block);
    static Item Piece(const Table &table);

    const RecordReport &m_report;
    QPdfWriter *m_writer;
    ReportBlocks m_blocks;
    int m_columnGroups = 5; // readings across the page
    int m_pageCount = 1;
};
