#include "common/NodeFilterModel.h"

#include <algorithm>
#include <functional>

NodeFilterModel::NodeFilterModel(NodeModel& nodes, QObject* parent)
    : QAbstractProxyModel(parent), m_nodes(nodes)
{
    setSourceModel(&nodes);
    // While nothing is looked for, every change beneath is passed on as it is, so that a view
    // keeps its open parents and its place. While something is, a change resets the proxy: what
    // shows is worked out anew in one pass anyway, and a view lays out the rows shown again.
    connect(&nodes, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                passing() ? beginInsertRows(mapFromSource(parent), first, last) : beginChange();
            });
    connect(&nodes, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!passing())
                    return keepInsertedShown(parent, first, last);
                if (!parent.isValid())
                    moveChildIndexes(
                        [=](int top) { return TwoLevelId::afterInsert(top, first, last); });
                endInsertRows();
            });
    connect(&nodes, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                passing() ? beginRemoveRows(mapFromSource(parent), first, last) : beginChange();
            });
    connect(&nodes, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!passing())
                    return endChange();
                if (!parent.isValid())
                    moveChildIndexes(
                        [=](int top) { return TwoLevelId::afterRemove(top, first, last); });
                endRemoveRows();
            });
    connect(&nodes, &QAbstractItemModel::rowsAboutToBeMoved, this,
            [this](const QModelIndex& from, int first, int last, const QModelIndex& to, int row) {
                passing()
                    ? void(beginMoveRows(mapFromSource(from), first, last, mapFromSource(to), row))
                    : beginChange();
            });
    connect(&nodes, &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex& from, int first, int, const QModelIndex& to, int row) {
                if (!passing())
                    return endChange();
                if (!from.isValid() && !to.isValid())
                    moveChildIndexes(
                        [=](int top) { return TwoLevelId::afterMove(top, first, row); });
                endMoveRows();
            });
    connect(&nodes, &QAbstractItemModel::modelAboutToBeReset, this, &NodeFilterModel::beginChange);
    connect(&nodes, &QAbstractItemModel::layoutAboutToBeChanged, this,
            &NodeFilterModel::beginChange);
    connect(&nodes, &QAbstractItemModel::modelReset, this, &NodeFilterModel::endChange);
    connect(&nodes, &QAbstractItemModel::layoutChanged, this, &NodeFilterModel::endChange);
    connect(&nodes, &QAbstractItemModel::dataChanged, this, &NodeFilterModel::dataChangedBeneath);
}

void NodeFilterModel::setText(const QString& text)
{
    beginChange();
    m_match = TextMatch(text);
    m_keptShown.clear();
    endChange();
}

void NodeFilterModel::keepShown(TreePosition at)
{
    const QModelIndex node = m_nodes.indexOf(at);
    if (passing() || !node.isValid() || isKeptShown(at))
        return;
    beginChange();
    m_keptShown.append(node);
    endChange();
}

void NodeFilterModel::beginChange()
{
    if (m_changing)
        return;
    m_changing = true;
    beginResetModel();
}

// Nothing is worked out while nothing is looked for.
void NodeFilterModel::endChange()
{
    if (!m_changing)
        return;
    if (!m_match.isEmpty())
        findMatches();
    mapShownNodes();
    m_changing = false;
    endResetModel();
    emit countsChanged();
    emit shownAnew();
}

void NodeFilterModel::keepInsertedShown(const QModelIndex& parent, int first, int last)
{
    for (int row = first; row <= last; ++row)
        m_keptShown.append(m_nodes.index(row, 0, parent));
    endChange();
}

// A changed text may show or hide nodes; when it does not, the rows shown are only repainted.
void NodeFilterModel::dataChangedBeneath(const QModelIndex& first, const QModelIndex& last)
{
    if (passing())
        return emit dataChanged(mapFromSource(first), mapFromSource(last));
    if (m_changing)
        return;
    Shown before = std::move(m_shown);
    findMatches();
    mapShownNodes();
    if (m_shown.showsTheSameRows(before)) {
        emit countsChanged();
        if (!m_shown.shownTops.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    Shown after = std::move(m_shown);
    m_shown = std::move(before);
    beginResetModel();
    m_shown = std::move(after);
    endResetModel();
    emit countsChanged();
    emit shownAnew();
}

bool NodeFilterModel::Shown::showsTheSameRows(const Shown& other) const
{
    return shownTops == other.shownTops && shownChildren == other.shownChildren &&
           shownChildStart == other.shownChildStart;
}

// The children of top-level rows that moved carry their parent's row in their ids: the views'
// indexes of them follow, as the model beneath does with its own.
void NodeFilterModel::moveChildIndexes(const std::function<int(int)>& newTop)
{
    for (const QModelIndex& index : persistentIndexList()) {
        if (index.internalId() == TwoLevelId::top)
            continue;
        const int top = TwoLevelId::parentRow(index.internalId());
        if (const int moved = newTop(top); moved != top)
            changePersistentIndex(
                index, createIndex(index.row(), index.column(), TwoLevelId::childOf(moved)));
    }
}

bool NodeFilterModel::isKeptShown(TreePosition at) const
{
    return std::any_of(m_keptShown.cbegin(), m_keptShown.cend(), [&](const QModelIndex& kept) {
        return kept.isValid() && m_nodes.positionOf(kept) == at;
    });
}

// One pass over the document on this thread: at a million toolbar lines it keeps within the find
// bar's time, so the pass is not split over threads.
void NodeFilterModel::findMatches()
{
    const int tops = m_nodes.rowCount();
    m_shown.topShown.clear();
    m_shown.topShown.reserve(size_t(tops));
    m_shown.firstChild.assign(1, 0);
    m_shown.firstChild.reserve(size_t(tops) + 1);
    m_shown.childShown.clear();
    m_shown.matchCount = 0;
    m_shown.nodeCount = 0;
    for (int top = 0; top < tops; ++top) {
        const bool matches = m_nodes.nodeMatches({top, -1}, m_match);
        const auto firstChild = qsizetype(m_shown.childShown.size());
        m_nodes.appendChildMatches(top, m_match, m_shown.childShown);
        const qsizetype childMatches =
            std::count(m_shown.childShown.cbegin() + firstChild, m_shown.childShown.cend(), 1);
        m_shown.firstChild.push_back(qsizetype(m_shown.childShown.size()));
        m_shown.matchCount += matches + childMatches;
        m_shown.nodeCount += 1 + m_shown.firstChild.back() - firstChild;
        m_shown.topShown.push_back(matches || childMatches > 0);
    }
    for (const QPersistentModelIndex& kept : std::as_const(m_keptShown)) {
        const TreePosition at = m_nodes.positionOf(kept);
        if (!at.isValid())
            continue;
        m_shown.topShown[size_t(at.top)] = true;
        if (!at.isTop())
            m_shown.childShown[size_t(m_shown.firstChild[size_t(at.top)] + at.child)] = true;
    }
}

void NodeFilterModel::mapShownNodes()
{
    m_shown.shownTops.clear();
    m_shown.shownChildStart.assign(1, 0);
    m_shown.shownChildren.clear();
    m_shown.shownTopOf.assign(m_shown.topShown.size(), -1);
    m_shown.shownChildOf.assign(m_shown.childShown.size(), -1);
    if (m_match.isEmpty())
        m_shown.topShown.clear();
    for (size_t top = 0; top < m_shown.topShown.size(); ++top) {
        if (!m_shown.topShown[top])
            continue;
        m_shown.shownTopOf[top] = int(m_shown.shownTops.size());
        m_shown.shownTops.push_back(int(top));
        for (qsizetype flat = m_shown.firstChild[top]; flat < m_shown.firstChild[top + 1]; ++flat) {
            if (!m_shown.childShown[size_t(flat)])
                continue;
            m_shown.shownChildOf[size_t(flat)] =
                int(qsizetype(m_shown.shownChildren.size()) - m_shown.shownChildStart.back());
            m_shown.shownChildren.push_back(int(flat - m_shown.firstChild[top]));
        }
        m_shown.shownChildStart.push_back(qsizetype(m_shown.shownChildren.size()));
    }
    m_shown.shownCount = qsizetype(m_shown.shownTops.size() + m_shown.shownChildren.size());
}

QModelIndex NodeFilterModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || row >= rowCount(parent) || column >= columnCount(parent))
        return {};
    return createIndex(row, column,
                       parent.isValid() ? TwoLevelId::childOf(parent.row()) : TwoLevelId::top);
}

QModelIndex NodeFilterModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == TwoLevelId::top)
        return {};
    return createIndex(TwoLevelId::parentRow(child.internalId()), 0, TwoLevelId::top);
}

int NodeFilterModel::rowCount(const QModelIndex& parent) const
{
    if (passing())
        return parent.column() > 0 ? 0 : m_nodes.rowCount(mapToSource(parent));
    if (!parent.isValid())
        return int(m_shown.shownTops.size());
    if (parent.internalId() != TwoLevelId::top || parent.column() != 0 ||
        size_t(parent.row()) + 1 >= m_shown.shownChildStart.size())
        return 0;
    return int(m_shown.shownChildStart[size_t(parent.row()) + 1] -
               m_shown.shownChildStart[size_t(parent.row())]);
}

int NodeFilterModel::columnCount(const QModelIndex& parent) const
{
    return m_nodes.columnCount(mapToSource(parent));
}

bool NodeFilterModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QModelIndex NodeFilterModel::passedToSource(const QModelIndex& proxyIndex) const
{
    if (proxyIndex.internalId() == TwoLevelId::top)
        return m_nodes.index(proxyIndex.row(), proxyIndex.column());
    return m_nodes.index(proxyIndex.row(), proxyIndex.column(),
                         m_nodes.index(TwoLevelId::parentRow(proxyIndex.internalId()), 0));
}

QModelIndex NodeFilterModel::passedFromSource(const QModelIndex& sourceIndex) const
{
    const TreePosition at = m_nodes.positionOf(sourceIndex);
    if (!at.isValid())
        return {};
    return at.isTop() ? createIndex(at.top, sourceIndex.column(), TwoLevelId::top)
                      : createIndex(at.child, sourceIndex.column(), TwoLevelId::childOf(at.top));
}

QModelIndex NodeFilterModel::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != this)
        return {};
    if (passing())
        return passedToSource(proxyIndex);
    if (proxyIndex.internalId() == TwoLevelId::top) {
        if (size_t(proxyIndex.row()) >= m_shown.shownTops.size())
            return {};
        return m_nodes.index(m_shown.shownTops[size_t(proxyIndex.row())], proxyIndex.column());
    }
    const auto top = size_t(TwoLevelId::parentRow(proxyIndex.internalId()));
    if (top + 1 >= m_shown.shownChildStart.size())
        return {};
    const qsizetype child = m_shown.shownChildStart[top] + proxyIndex.row();
    if (child >= m_shown.shownChildStart[top + 1])
        return {};
    return m_nodes.index(m_shown.shownChildren[size_t(child)], proxyIndex.column(),
                         m_nodes.index(m_shown.shownTops[top], 0));
}

QModelIndex NodeFilterModel::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (passing())
        return passedFromSource(sourceIndex);
    const TreePosition at = m_nodes.positionOf(sourceIndex);
    if (!at.isValid() || size_t(at.top) >= m_shown.shownTopOf.size() ||
        m_shown.shownTopOf[size_t(at.top)] < 0)
        return {};
    const int top = m_shown.shownTopOf[size_t(at.top)];
    if (at.isTop())
        return createIndex(top, sourceIndex.column(), TwoLevelId::top);
    const qsizetype flat = m_shown.firstChild[size_t(at.top)] + at.child;
    if (flat >= m_shown.firstChild[size_t(at.top) + 1] || m_shown.shownChildOf[size_t(flat)] < 0)
        return {};
    return createIndex(m_shown.shownChildOf[size_t(flat)], sourceIndex.column(),
                       TwoLevelId::childOf(top));
}

// The columns are the model's, whether or not a row shows.
QVariant NodeFilterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return m_nodes.headerData(section, orientation, role);
}

bool NodeFilterModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                      int column, const QModelIndex& parent) const
{
    return passing() && m_nodes.canDropMimeData(data, action, row, column, mapToSource(parent));
}

bool NodeFilterModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                   int column, const QModelIndex& parent)
{
    return passing() && m_nodes.dropMimeData(data, action, row, column, mapToSource(parent));
}
