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
// that narrows the list, only the jobs and areas that hold a batch of it are shown.
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

    RecordStore *m_store;
    BatchFilter m_filter;
    Node m_root{Kind::Job, {}, {}, nullptr, 0, 0, {}, {}};
};
