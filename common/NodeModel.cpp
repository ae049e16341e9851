#include "common/NodeModel.h"

#include "common/NodeDrag.h"

bool NodeModel::canMove(TreePosition at, int by) const
{
    const TreePosition to = shifted(at, by);
    return isMovable(at) && (at.isTop() ? to.top : to.child) >= 0 && contains(to) &&
           moveRefusal(at, to).isEmpty();
}

QString NodeModel::moveRefusal(TreePosition, TreePosition) const
{
    return {};
}

TreePosition NodeModel::afterRemoval(TreePosition removed) const
{
    if (contains(removed))
        return removed;
    if ((removed.isTop() ? removed.top : removed.child) > 0)
        return shifted(removed, -1);
    return removed.isTop() ? TreePosition() : removed.parent();
}

void NodeModel::appendChildMatches(int top, const TextMatch& match,
                                   std::vector<char>& matches) const
{
    const int children = rowCount(indexOf({top, -1}));
    for (int child = 0; child < children; ++child)
        matches.push_back(nodeMatches({top, child}, match));
}

Qt::DropActions NodeModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

QStringList NodeModel::mimeTypes() const
{
    return NodeDrag::mimeTypes();
}

// One node is dragged at a time; a row of a list comes as one index per cell.
QMimeData* NodeModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    return NodeDrag::mimeData(*this, positionOf(indexes.first()));
}

std::optional<TreePosition> NodeModel::droppedAt(const QMimeData* data, int row,
                                                 const QModelIndex& parent) const
{
    const std::optional<TreePosition> from = NodeDrag::draggedFrom(*this, data);
    if (!from || !contains(*from) || !isMovable(*from))
        return std::nullopt;
    const std::optional<TreePosition> to = dropTarget(*from, row, parent);
    if (!to || !moveRefusal(*from, *to).isEmpty())
        return std::nullopt;
    return to;
}

bool NodeModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                const QModelIndex& parent) const
{
    return action == Qt::MoveAction && droppedAt(data, row, parent).has_value();
}

// The view then asks to remove the dragged rows, as after a drag to another place; the models
// keep QAbstractItemModel's removeRows, which removes nothing, so the move is the only change.
bool NodeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                             const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const TreePosition from = *NodeDrag::draggedFrom(*this, data);
    const TreePosition to = *droppedAt(data, row, parent);
    if (to != from)
        emit moveRequested(from, to);
    return true;
}
