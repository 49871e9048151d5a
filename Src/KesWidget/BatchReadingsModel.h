#pragma once

#include "LiveRecord.h"
#include "RecordItems.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QVector>

class RecordStore;

// The readings of one batch as a table (index, time, value, status, note), read a page at a
// time as the view scrolls; an excluded reading is struck through and its reason shown.
class BatchReadingsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        IndexColumn,
        TimeColumn,
        ValueColumn,
        StatusColumn,
        NoteColumn,
        ColumnCount
    };
    enum Role
    {
        ExcludedRole = Qt::UserRole + 1
    };
    static constexpr int PageReadings = 2000;

    explicit BatchReadingsModel(RecordStore *store, QObject *parent = nullptr);

    // Shows the batch (empty: none); the marks are read again.
    void SetBatch(const QString &batchUuid, qint64 readings);
    QString BatchUuid() const { return m_batchUuid; }
    // The index of the reading in a row.
    qint64 IndexAt(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    RecordStore *m_store;
    QString m_batchUuid;
    qint64 m_total = 0;
    QVector<LiveRecord> m_records;
    QHash<qint64, ReadingAnnotation> m_marks;
};
