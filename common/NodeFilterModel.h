#pragma once

#include "common/NodeModel.h"
#include "common/TextMatch.h"

#include <QAbstractProxyModel>
#include <QList>
#include <QPersistentModelIndex>

#include <functional>
#include <vector>

// An editor's nodes while the find bar filters them: the nodes whose own texts hold what is
// looked for, the top-level nodes that hold one of them, and the nodes the user added or changed
// meanwhile, which stay where the user can see them. Which nodes match is worked out in one pass
// over the document when the text changes or the document does; the rows shown are then kept in
// flat arrays, so that a view laying out a hundred thousand rows asks nothing that searches.
// With no text it passes every node and every change beneath through as they are.
class NodeFilterModel : public QAbstractProxyModel
{
    Q_OBJECT

public:
    NodeFilterModel(NodeModel& nodes, QObject* parent);

    void setText(const QString& text);
    const QString& text() const { return m_match.text(); }
    // Whether every node shows, nothing being looked for.
    bool passing() const { return m_match.isEmpty(); }
    // The nodes whose own texts match, and all nodes.
    qsizetype matchCount() const { return m_shown.matchCount; }
    qsizetype nodeCount() const { return m_shown.nodeCount; }
    // The nodes shown: the matches, the parents they need and the nodes kept shown.
    qsizetype shownCount() const { return m_shown.shownCount; }
    // The node stays shown for as long as this text is looked for.
    void keepShown(TreePosition at);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Nodes are dropped only while every node shows, on the rows the model itself has.
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    void countsChanged();
    // After a reset, once every view has taken it: what shows was worked out anew.
    void shownAnew();

private:
    void beginChange();
    void endChange();
    void keepInsertedShown(const QModelIndex& parent, int first, int last);
    void dataChangedBeneath(const QModelIndex& first, const QModelIndex& last);
    void moveChildIndexes(const std::function<int(int)>& newTop);
    QModelIndex passedToSource(const QModelIndex& proxyIndex) const;
    QModelIndex passedFromSource(const QModelIndex& sourceIndex) const;
    void findMatches();
    void mapShownNodes();
    bool isKeptShown(TreePosition at) const;

    NodeModel& m_nodes;
    TextMatch m_match;
    // What the last pass found, and the rows it shows.
    struct Shown
    {
        // Whether each node shows: top-level nodes, then the children of each, flat.
        std::vector<char> topShown;
        std::vector<qsizetype> firstChild;
        std::vector<char> childShown;
        // The model's row of each top-level row shown, and of each child shown, the children of
        // the n-th shown top-level row from shownChildStart[n]; and back, each node's row
        // shown, or -1.
        std::vector<int> shownTops;
        std::vector<qsizetype> shownChildStart{0};
        std::vector<int> shownChildren;
        std::vector<int> shownTopOf;
        std::vector<int> shownChildOf;
        qsizetype matchCount = 0;
        qsizetype nodeCount = 0;
        qsizetype shownCount = 0;

        bool showsTheSameRows(const Shown& other) const;
    };
    Shown m_shown;
    QList<QPersistentModelIndex> m_keptShown;
    // Between a change of the model beneath and the pass after it: the proxy is being reset.
    bool m_changing = false;
};
