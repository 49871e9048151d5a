#include "SessionRecordsModel.h"

#include "FigureText.h"

#include <QColor>

#include <algorithm>

SessionRecordsModel::SessionRecordsModel(QObject *parent) : QAbstractTableModel(parent)
{
    SetRecords({});
}

void SessionRecordsModel::SetRecords(const QVector<LiveRecord> &records,
                                     const std::optional<SeriesInspection> &inspection)
{
    beginResetModel();
    m_records = records;
    m_inspection = inspection;
    const bool timed = records.isEmpty() ||
                       std::any_of(records.cbegin(), records.cend(), [](const LiveRecord &record) {
                           return record.arrival.isValid();
                       });
    m_columns = timed ? QVector<Column>{IndexColumn, TimeColumn, ValueColumn, StatusColumn}
                      : QVector<Column>{IndexColumn, ValueColumn, StatusColumn};
    endResetModel();
}

int SessionRecordsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_records.size();
}

int SessionRecordsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns.size();
}

QVariant SessionRecordsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_records.size() || index.column() >= m_columns.size())
        return QVariant();
    const LiveRecord &record = m_records.at(index.row());
    const Column column = m_columns.at(index.column());
    if (role == Qt::ForegroundRole)
        return column == StatusColumn && MarkOf(record) != ReadingMark::None
                   ? QVariant(QColor(0xC6, 0x28, 0x28))
                   : QVariant();
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (column) {
    case IndexColumn:
        return record.index;
    case TimeColumn:
        return record.arrival.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    case ValueColumn:
        return record.valueText.isEmpty()
                   ? QString()
                   : (record.valueText + QLatin1Char(' ') + FigureText::Unit(record.unitCode))
                         .trimmed();
    case StatusColumn:
        return StatusText(record);
    }
    return QVariant();
}

QVariant SessionRecordsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (m_columns.at(section)) {
    case IndexColumn:
        return tr("Index");
    case TimeColumn:
        return tr("Time");
    case ValueColumn:
        return tr("Value");
    case StatusColumn:
        return tr("Status");
    }
    return QVariant();
}

// Only the readings of the series' unit are judged.
ReadingMark SessionRecordsModel::MarkOf(const LiveRecord &record) const
{
    if (!m_inspection || record.status != LiveRecord::Status::Ok ||
        record.unitCode != m_inspection->UnitCode())
        return ReadingMark::None;
    return m_inspection->MarkOf(record.Value());
}

QString SessionRecordsModel::StatusText(const LiveRecord &record) const
{
    const ReadingMark mark = MarkOf(record);
    if (mark == ReadingMark::None)
        return StatusName(record.status);
    return InspectionRule::MarkText(mark, m_inspection->Criteria());
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
