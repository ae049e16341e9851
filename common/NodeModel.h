#pragma once

#include <QAbstractItemModel>

#include <optional>
#include <vector>

class TextMatch;

// Where a node stands in a tree of two levels: the row of its top-level node, and its row among
// that node's children, or -1 for the top-level node itself. A list's rows are top-level nodes.
struct TreePosition
{
    int top = -1;
    int child = -1;

    bool isValid() const { return top >= 0; }
    bool isTop() const { return child < 0; }
    TreePosition parent() const { return {top, -1}; }

    friend bool operator==(const TreePosition&, const TreePosition&) = default;
};
Q_DECLARE_METATYPE(TreePosition)

// The position count places after at, among the same siblings.
inline TreePosition shifted(TreePosition at, int count)
{
    return at.isTop() ? TreePosition{at.top + count, -1} : TreePosition{at.top, at.child + count};
}

// How the indexes of two levels name their rows, in the models and in the find bar's proxy over
// them: a top-level row carries 0 as its internal id, a child its parent's row plus one, so that
// no node needs an object of its own.
namespace TwoLevelId {

constexpr quintptr top = 0;

constexpr quintptr childOf(int parentRow)
{
    return quintptr(parentRow) + 1;
}

constexpr int parentRow(quintptr childId)
{
    return int(childId - 1);
}

// Where a top-level row goes when rows first to last are inserted before it, removed before it,
// or when the row from moves before the row that was at destination (as Qt counts a move).
constexpr int afterInsert(int top, int first, int last)
{
    return top >= first ? top + (last - first + 1) : top;
}

constexpr int afterRemove(int top, int first, int last)
{
    return top > last ? top - (last - first + 1) : top;
}

constexpr int afterMove(int top, int from, int destination)
{
    const int to = destination > from ? destination - 1 : destination;
    if (top == from)
        return to;
    if (from < to && top > from && top <= to)
        return top - 1;
    if (to < from && top >= to && top < from)
        return top + 1;
    return top;
}

} // namespace TwoLevelId

// The model of an editor's view: its nodes stand at tree positions, and moving one is a step
// that the editor takes, so that it can be undone: a node dropped in the view is not moved by
// the model, which asks for the move instead.
class NodeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    using QAbstractItemModel::QAbstractItemModel;

    virtual QModelIndex indexOf(TreePosition position) const = 0;
    virtual TreePosition positionOf(const QModelIndex& index) const = 0;
    virtual bool contains(TreePosition position) const { return indexOf(position).isValid(); }

    // Whether the node can go by places among its siblings and stay among them.
    bool canMove(TreePosition at, int by) const;
    // Why the node cannot go from one place to the other (to counted as after the move): the
    // file could not hold it there. Empty when it can.
    virtual QString moveRefusal(TreePosition from, TreePosition to) const;
    // The node at from goes to to, counted as after the move.
    virtual void moveNode(TreePosition from, TreePosition to) = 0;

    // The node that takes a removed node's place in the selection: the one that took its place,
    // else the one before, else the parent.
    TreePosition afterRemoval(TreePosition removed) const;

    // Whether the node's own texts hold what the find bar looks for.
    virtual bool nodeMatches(TreePosition at, const TextMatch& match) const = 0;
    // Whether each child of the top-level node holds it, appended in order: the find bar asks
    // of every node at once, and a model answers for a whole list faster than node by node.
    virtual void appendChildMatches(int top, const TextMatch& match,
                                    std::vector<char>& matches) const;

    // Dragging and dropping moves a node: the model does not move it itself, it asks, so that
    // the move is a step that can be undone. A drag from another model, window or program is
    // never taken for a move.
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    void moveRequested(TreePosition from, TreePosition to);

protected:
    // Whether the node may move at all (sections of the procedures panel do not).
    virtual bool isMovable(TreePosition at) const { return at.isValid(); }
    // Where a node dropped at row under parent goes, counted as after the move, as the view
    // says it (rows counted before the move, -1 for a drop on parent itself); nothing where it
    // cannot go.
    virtual std::optional<TreePosition> dropTarget(TreePosition from, int row,
                                                   const QModelIndex& parent) const = 0;

private:
    std::optional<TreePosition> droppedAt(const QMimeData* data, int row,
                                          const QModelIndex& parent) const;
};
