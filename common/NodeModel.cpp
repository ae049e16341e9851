#include "common/NodeModel.h"

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
