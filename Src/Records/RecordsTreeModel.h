#pragma once

#include "RecordItems.h"

#include <QAbstractItemModel>
#include <QHash>

#include <memory>
#include <vector>

class RecordStore;

// The records as a tree, Job -> Area -> Batch, with "Unfiled" last for the batches of no area.
// Jobs and areas are read when the filter is set (or Reload is called: the model starts empty);
// an area's batches are read a page at a time
// as the view scrolls to them (fetchMore), in the order of the column sorted by. Under a filter
// that narrows the list, only the jobs and areas that hold a batch of it are shown. Jobs and
// areas follow the sorted column too (by name, or by how many they hold). A batch can be
// ticked: an area's figures may be taken over its ticked batches alone.
class RecordsTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column
    {
        NameColumn,
        CountColumn,
        MeanColumn,
        VerdictColumn,
        ColumnCount
    };
    enum class Kind
    {
        Job,
        Area,
        Unfiled,
        Batch
    };
    enum Role
    {
        KindRole = Qt::UserRole + 1,
        UuidRole
    };
    static constexpr int PageBatches = 256;

    explicit RecordsTreeModel(RecordStore *store, QObject *parent = nullptr);
    ~RecordsTreeModel() override;

    void SetFilter(const BatchFilter &filter);
    const BatchFilter &Filter() const { return m_filter; }
    // Reads the jobs and areas again, keeping the filter.
    void Reload();
    // The ticked batches of an area (Unfiled: an empty uuid); ticks are kept across reloads.
    QStringList Ticked(const QString &areaUuid) const;
    // Forgets the tick of a batch moved or deleted.
    void Untick(const QString &batchUuid) { m_ticked.remove(batchUuid); }

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    void sort(int column, Qt::SortOrder order) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // A batch of the area was ticked or its tick taken off.
    void TicksChanged(const QString &areaUuid);

private:
    struct Node
    {
        Kind kind;
        QString uuid;
        QString name;
        Node *parent = nullptr;
        int row = 0;
        // Batches of the filter below an area (or Unfiled); areas below a job.
        qint64 total = 0;
        std::vector<std::unique_ptr<Node>> children;
        RecordBatch batch;
    };

    Node *NodeOf(const QModelIndex &index) const;
    Node *Add(Node *parent, Kind kind, const QString &uuid, const QString &name);
    QVariant Display(const Node &node, int column) const;
    // Orders the rows below node by the sorted column; Unfiled stays last.
    void Arrange(Node *node);

    RecordStore *m_store;
    BatchFilter m_filter;
    QHash<QString, QString> m_ticked; // batch -> its area
    bool m_read = false;
    Node m_root{Kind::Job, {}, {}, nullptr, 0, 0, {}, {}};
};
