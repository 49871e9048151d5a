#include "SessionRecordsModel.h"

namespace {
enum Column
{
    IndexColumn,
    TimeColumn,
    ValueColumn,
    StatusColumn,
    ColumnCount
};
} // namespace

SessionRecordsModel::SessionRecordsModel(QObject *parent) : QAbstractTableModel(parent) {}

void SessionRecordsModel::SetRecords(const QVector<LiveRecord> &records)
{
    beginResetModel();
    m_records = records;
    endResetModel();
}

int SessionRecordsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_records.size();
}

int SessionRecordsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SessionRecordsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_records.size())
        return QVariant();
    const LiveRecord &record = m_records.at(index.row());
    switch (index.column()) {
    case IndexColumn:
        return record.index;
    case TimeColumn:
        return record.arrival.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    case ValueColumn:
        return record.valueText.isEmpty()
                   ? QString()
                   : (record.valueText + QLatin1Char(' ') + record.UnitText()).trimmed();
    case StatusColumn:
        return StatusName(record.status);
    default:
        return QVariant();
    }
}

QVariant SessionRecordsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case IndexColumn:
        return tr("Index");
    case TimeColumn:
        return tr("Time");
    case ValueColumn:
        return tr("Value");
    case StatusColumn:
        return tr("Status");
    default:
        return QVariant();
    }
}

QString SessionRecordsModel::StatusName(LiveRecord::Status status)
{
    switch (status) {
    case LiveRecord::Status::Overflow:
        return tr("Overflow");
    case LiveRecord::Status::UnknownUnit:
        return tr("Unknown unit");
    case LiveRecord::Status::Ok:
        break;
    }
    return tr("OK");
}
