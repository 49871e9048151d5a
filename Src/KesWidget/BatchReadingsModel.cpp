#include "BatchReadingsModel.h"

#include "RecordStore.h"

#include <QFont>

BatchReadingsModel::BatchReadingsModel(RecordStore *store, QObject *parent)
    : QAbstractTableModel(parent), m_store(store)
{}

void BatchReadingsModel::SetBatch(const QString &batchUuid, qint64 readings)
{
    beginResetModel();
    m_batchUuid = batchUuid;
    m_total = batchUuid.isEmpty() ? 0 : readings;
    m_records.clear();
    m_marks.clear();
    for (const ReadingAnnotation &mark : m_store->Marks(batchUuid))
        m_marks.insert(mark.index, mark);
    endResetModel();
}

qint64 BatchReadingsModel::IndexAt(int row) const
{
    return row >= 0 && row < m_records.size() ? m_records.at(row).index : 0;
}

int BatchReadingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_records.size();
}

int BatchReadingsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool BatchReadingsModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_records.size() < m_total;
}

void BatchReadingsModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const QVector<LiveRecord> page = m_store->Readings(m_batchUuid, m_records.size(), PageReadings);
    if (page.isEmpty()) {
        m_total = m_records.size();
        return;
    }
    beginInsertRows(QModelIndex(), m_records.size(), m_records.size() + page.size() - 1);
    m_records += page;
    endInsertRows();
}

QVariant BatchReadingsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_records.size())
        return QVariant();
    const LiveRecord &record = m_records.at(index.row());
    const ReadingAnnotation mark = m_marks.value(record.index);
    if (role == ExcludedRole)
        return mark.excluded;
    if (role == Qt::FontRole && mark.excluded) {
        QFont font;
        font.setStrikeOut(true);
        return font;
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case IndexColumn:
        return record.index;
    case TimeColumn:
        return record.arrival.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    case ValueColumn:
        return record.HasValue() ? record.valueText + QLatin1Char(' ') + record.UnitText()
                                 : record.valueText;
    case StatusColumn:
        return LiveRecord::StatusText(record.status);
    case NoteColumn: {
        QStringList notes;
        if (mark.excluded)
            notes << tr("excluded: %1").arg(mark.reason);
        if (!mark.note.isEmpty())
            notes << mark.note;
        return notes.join(QStringLiteral("; "));
    }
    default:
        return QVariant();
    }
}

QVariant BatchReadingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case IndexColumn:
        return tr("No.");
    case TimeColumn:
        return tr("Time");
    case ValueColumn:
        return tr("Reading");
    case StatusColumn:
        return tr("Status");
    case NoteColumn:
        return tr("Note");
    default:
        return QVariant();
    }
}
