#include "common/TwoLevelModel.h"

// Asked for every row a view lays out: the bounds are checked here, where hasIndex() would ask
// the row and the column counts through the model's virtual functions again.
QModelIndex TwoLevelModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column != 0 || row >= rowCount(parent))
        return {};
    return createIndex(row, column,
                       parent.isValid() ? TwoLevelId::childOf(parent.row()) : TwoLevelId::top);
}

QModelIndex TwoLevelModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == TwoLevelId::top)
        return {};
    return createIndex(TwoLevelId::parentRow(child.internalId()), 0, TwoLevelId::top);
}

int TwoLevelModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return topCount();
    if (parent.internalId() != TwoLevelId::top || parent.column() != 0)
        return 0;
    return childCount(parent.row());
}

int TwoLevelModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QModelIndex TwoLevelModel::indexOf(TreePosition position) const
{
    if (!contains(position))
        return {};
    if (position.isTop())
        return createIndex(position.top, 0, TwoLevelId::top);
    return createIndex(position.child, 0, TwoLevelId::childOf(position.top));
}

TreePosition TwoLevelModel::positionOf(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    if (index.internalId() == TwoLevelId::top)
        return {index.row(), -1};
    return {TwoLevelId::parentRow(index.internalId()), index.row()};
}

bool TwoLevelModel::contains(TreePosition position) const
{
    if (position.top < 0 || position.top >= topCount())
        return false;
    return position.isTop() || position.child < childCount(position.top);
}

Qt::ItemFlags TwoLevelModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const TreePosition at = positionOf(index);
    if (!at.isTop() || topsMove())
        flags |= Qt::ItemIsDragEnabled;
    // A child never holds nodes: a view then keeps no state for it when it opens everything.
    flags |= at.isTop() ? Qt::ItemIsDropEnabled : Qt::ItemNeverHasChildren;
    return flags;
}

// A drop on a top-level node makes the child its last; a drop between two nodes puts the node
// there. Rows count as before the move, so a node that goes down lands one row higher.
std::optional<TreePosition> TwoLevelModel::dropTarget(TreePosition from, int row,
                                                      const QModelIndex& parent) const
{
    const TreePosition into = positionOf(parent);
    if (from.isTop()) {
        if (!topsMove() || into.isValid())
            return std::nullopt;
        const int to = row < 0 ? topCount() : row;
        return TreePosition{to > from.top ? to - 1 : to, -1};
    }
    if (!into.isValid() || !into.isTop())
        return std::nullopt;
    const int to = row < 0 ? childCount(into.top) : row;
    return TreePosition{into.top, into.top == from.top && to > from.child ? to - 1 : to};
}

void TwoLevelModel::insertTops(int first, int count, const std::function<void()>& change)
{
    beginInsertRows({}, first, first + count - 1);
    change();
    moveChildIndexes(
        [=](int top) { return TwoLevelId::afterInsert(top, first, first + count - 1); });
    endInsertRows();
}

// The children of the removed rows lose their indexes in Qt's own bookkeeping.
void TwoLevelModel::removeTops(int first, int count, const std::function<void()>& change)
{
    beginRemoveRows({}, first, first + count - 1);
    change();
    moveChildIndexes(
        [=](int top) { return TwoLevelId::afterRemove(top, first, first + count - 1); });
    endRemoveRows();
}

void TwoLevelModel::moveTop(int from, int to, const std::function<void()>& change)
{
    // Qt counts the destination as before the move: the row that the moved one goes before.
    const int destination = to > from ? to + 1 : to;
    beginMoveRows({}, from, from, {}, destination);
    change();
    moveChildIndexes([=](int top) { return TwoLevelId::afterMove(top, from, destination); });
    endMoveRows();
}

void TwoLevelModel::insertChildren(TreePosition first, int count,
                                   const std::function<void()>& change)
{
    beginInsertRows(indexOf(first.parent()), first.child, first.child + count - 1);
    change();
    endInsertRows();
}

void TwoLevelModel::removeChildren(TreePosition first, int count,
                                   const std::function<void()>& change)
{
    beginRemoveRows(indexOf(first.parent()), first.child, first.child + count - 1);
    change();
    endRemoveRows();
}

void TwoLevelModel::moveChild(TreePosition from, TreePosition to,
                              const std::function<void()>& change)
{
    const bool sameParent = from.top == to.top;
    const int destination = sameParent && to.child > from.child ? to.child + 1 : to.child;
    beginMoveRows(indexOf(from.parent()), from.child, from.child, indexOf(to.parent()),
                  destination);
    change();
    endMoveRows();
}

void TwoLevelModel::changed(TreePosition at)
{
    const QModelIndex index = indexOf(at);
    emit dataChanged(index, index);
}

void TwoLevelModel::moveChildIndexes(const std::function<int(int)>& newTop)
{
    for (const QModelIndex& index : persistentIndexList()) {
        if (index.internalId() == TwoLevelId::top)
            continue;
        const int top = TwoLevelId::parentRow(index.internalId());
        const int moved = newTop(top);
        if (moved != top)
            changePersistentIndex(
                index, createIndex(index.row(), index.column(), TwoLevelId::childOf(moved)));
    }
}
