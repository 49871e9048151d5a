#pragma once

#include "LiveRecord.h"
#include "SeriesInspection.h"

#include <QAbstractTableModel>
#include <QVector>

#include <optional>

// The readings of one session as a table: index, time, value, status. Rows are made when they
// are shown, so a session of a million readings opens at once. Readings without a time (those
// of a memory download) have no time column. A reading judged outside the criteria in force
// says which criterion in its status, in red.
class SessionRecordsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit SessionRecordsModel(QObject *parent = nullptr);

    // The readings, and the series that judges those of its unit.
    void SetRecords(const QVector<LiveRecord> &records,
                    const std::optional<SeriesInspection> &inspection = std::nullopt);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static QString StatusName(LiveRecord::Status status);

private:
    enum Column
    {
        IndexColumn,
        TimeColumn,
        ValueColumn,
        StatusColumn
    };

    ReadingMark MarkOf(const LiveRecord &record) const;
    QString StatusText(const LiveRecord &record) const;

    QVector<LiveRecord> m_records;
    std::optional<SeriesInspection> m_inspection;
    QVector<Column> m_columns;
};
