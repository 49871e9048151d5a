#pragma once

#include "LiveRecord.h"

#include <QAbstractTableModel>
#include <QVector>

// The readings of one session as a table: index, time, value, status. Rows are made when they
// are shown, so a session of a million readings opens at once.
class SessionRecordsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit SessionRecordsModel(QObject *parent = nullptr);

    void SetRecords(const QVector<LiveRecord> &records);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static QString StatusName(LiveRecord::Status status);

private:
    QVector<LiveRecord> m_records;
};
