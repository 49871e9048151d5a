#include "RecordsTreeModel.h"

#include "GaugeUnit.h"
#include "RecordStore.h"

#include <QLocale>

#include <algorithm>

RecordsTreeModel::RecordsTreeModel(RecordStore *store, QObject *parent)
    : QAbstractItemModel(parent), m_store(store)
{}

RecordsTreeModel::~RecordsTreeModel() = default;

void RecordsTreeModel::SetFilter(const BatchFilter &filter)
{
    m_filter = filter;
    Reload();
}

RecordsTreeModel::Node *RecordsTreeModel::Add(Node *parent, Kind kind, const QString &uuid,
                                              const QString &name)
{
    auto node = std::make_unique<Node>();
    node->kind = kind;
    node->uuid = uuid;
    node->name = name;
    node->parent = parent;
    node->row = int(parent->children.size());
    parent->children.push_back(std::move(node));
    return parent->children.back().get();
}

void RecordsTreeModel::Reload()
{
    m_read = true;
    beginResetModel();
    m_root.children.clear();
    const QHash<QString, qint64> counts = m_store->BatchCounts(m_filter);
    const bool narrowed = m_filter.Narrows();
    const QHash<QString, QVector<RecordArea>> areasOfJob = m_store->AreasByJob();
    for (const RecordJob &job : m_store->Jobs()) {
        Node *jobNode = Add(&m_root, Kind::Job, job.uuid, job.name);
        for (const RecordArea &area : areasOfJob.value(job.uuid)) {
            const qint64 batches = counts.value(area.uuid);
            if (narrowed && batches == 0)
                continue;
            Add(jobNode, Kind::Area, area.uuid, area.name)->total = batches;
        }
        jobNode->total = qint64(jobNode->children.size());
        if (narrowed && jobNode->children.empty())
            m_root.children.pop_back();
        else
            Arrange(jobNode);
    }
    Arrange(&m_root);
    const qint64 unfiled = counts.value(QString());
    if (unfiled > 0 || !narrowed)
        Add(&m_root, Kind::Unfiled, QString(), tr("Unfiled"))->total = unfiled;
    endResetModel();
}

void RecordsTreeModel::Arrange(Node *node)
{
    auto &rows = node->children;
    // Read by name already: a count orders by size, a descending name column reverses.
    if (m_filter.order == BatchFilter::Order::Count) {
        std::stable_sort(rows.begin(), rows.end(), [this](const auto &one, const auto &other) {
            return m_filter.descending ? one->total > other->total : one->total < other->total;
        });
    } else if (m_filter.order == BatchFilter::Order::Started && m_filter.descending) {
        std::reverse(rows.begin(), rows.end());
    }
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row]->row = int(row);
}

QStringList RecordsTreeModel::Ticked(const QString &areaUuid) const
{
    QStringList batches;
    for (auto it = m_ticked.cbegin(); it != m_ticked.cend(); ++it) {
        if (it.value() == areaUuid)
            batches.append(it.key());
    }
    return batches;
}

Qt::ItemFlags RecordsTreeModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractItemModel::flags(index);
    if (index.isValid() && index.column() == NameColumn && NodeOf(index)->kind == Kind::Batch)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool RecordsTreeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable))
        return false;
    const Node *node = NodeOf(index);
    const QString area = node->parent->uuid;
    if (value.toInt() == Qt::Checked)
        m_ticked.insert(node->uuid, area);
    else
        m_ticked.remove(node->uuid);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit TicksChanged(area);
    return true;
}

RecordsTreeModel::Node *RecordsTreeModel::NodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer())
                           : const_cast<Node *>(&m_root);
}

QModelIndex RecordsTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    const Node *node = NodeOf(parent);
    if (row < 0 || row >= int(node->children.size()) || column < 0 || column >= ColumnCount)
        return QModelIndex();
    return createIndex(row, column, node->children[size_t(row)].get());
}

QModelIndex RecordsTreeModel::parent(const QModelIndex &child) const
{
    const Node *node = NodeOf(child);
    if (!child.isValid() || node->parent == &m_root)
        return QModelIndex();
    return createIndex(node->parent->row, 0, node->parent);
}

int RecordsTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(NodeOf(parent)->children.size());
}

int RecordsTreeModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

bool RecordsTreeModel::hasChildren(const QModelIndex &parent) const
{
    const Node *node = NodeOf(parent);
    return node->kind != Kind::Batch && (node == &m_root || node->total > 0);
}

bool RecordsTreeModel::canFetchMore(const QModelIndex &parent) const
{
    const Node *node = NodeOf(parent);
    return (node->kind == Kind::Area || node->kind == Kind::Unfiled) &&
           qint64(node->children.size()) < node->total;
}

void RecordsTreeModel::fetchMore(const QModelIndex &parent)
{
    Node *node = NodeOf(parent);
    if (!canFetchMore(parent))
        return;
    BatchFilter page = m_filter;
    page.areaUuid = node->uuid;
    page.offset = int(node->children.size());
    page.limit = PageBatches;
    const QVector<RecordBatch> batches = m_store->Batches(page);
    if (batches.isEmpty()) {
        // Fewer than counted (deleted meanwhile): nothing more to fetch.
        node->total = qint64(node->children.size());
        return;
    }
    const int first = int(node->children.size());
    beginInsertRows(parent, first, first + batches.size() - 1);
    for (const RecordBatch &batch : batches)
        Add(node, Kind::Batch, batch.uuid, QString())->batch = batch;
    endInsertRows();
}

void RecordsTreeModel::sort(int column, Qt::SortOrder order)
{
    static const BatchFilter::Order orders[ColumnCount] = {
        BatchFilter::Order::Started, BatchFilter::Order::Count, BatchFilter::Order::Mean,
        BatchFilter::Order::Verdict};
    if (column < 0 || column >= ColumnCount)
        return;
    m_filter.order = orders[column];
    m_filter.descending = order == Qt::DescendingOrder;
    // A view sorts as it is made, before the records are read (at the program's start).
    if (m_read)
        Reload();
}

QVariant RecordsTreeModel::Display(const Node &node, int column) const
{
    if (node.kind != Kind::Batch) {
        if (column == NameColumn)
            return node.name;
        if (column == CountColumn)
            return node.total;
        return QVariant();
    }
    const RecordBatch &batch = node.batch;
    switch (column) {
    case NameColumn:
        return QLocale().toString(batch.started, QLocale::ShortFormat);
    case CountColumn:
        return batch.count;
    case MeanColumn:
        return batch.count > 0 ? QStringLiteral("%1 %2")
                                     .arg(batch.mean, 0, 'f', batch.unitCode == 0 ? 1 : 3)
                                     .arg(GaugeUnit::Text(batch.unitCode))
                               : QString();
    case VerdictColumn:
        return InspectionVerdict::OutcomeName(batch.verdict);
    default:
        return QVariant();
    }
}

QVariant RecordsTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const Node &node = *NodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return Display(node, index.column());
    case KindRole:
        return int(node.kind);
    case UuidRole:
        return node.uuid;
    case Qt::CheckStateRole:
        if (node.kind == Kind::Batch && index.column() == NameColumn)
            return m_ticked.contains(node.uuid) ? Qt::Checked : Qt::Unchecked;
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant RecordsTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case NameColumn:
        return tr("Job, area, batch");
    case CountColumn:
        return tr("Count");
    case MeanColumn:
        return tr("Mean");
    case VerdictColumn:
        return tr("Verdict");
    default:
        return QVariant();
    }
}
