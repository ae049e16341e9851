#include "common/FindFilter.h"

#include "common/FindBar.h"
#include "common/NodeFilterModel.h"
#include "common/TextMatch.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QScrollBar>
#include <QTreeView>

#include <algorithm>

FindFilter::FindFilter(QAbstractItemView& view, NodeModel& model, QObject* parent)
    : QObject(parent), m_view(view), m_model(model), m_proxy(new NodeFilterModel(model, this)),
      m_bar(new FindBar(view.parentWidget()))
{
    view.setModel(m_proxy);
    view.setDragDropMode(QAbstractItemView::InternalMove);
    if (auto* pane = qobject_cast<QBoxLayout*>(view.parentWidget()->layout()))
        pane->addWidget(m_bar);
    connect(m_bar, &FindBar::textChanged, this, &FindFilter::setText);
    connect(m_bar, &FindBar::closed, &m_view, [this] { m_view.setFocus(); });
    connect(m_bar, &FindBar::toFirstMatch, this, [this] { selectFirstMatch(true); });
    connect(m_proxy, &NodeFilterModel::countsChanged, this, &FindFilter::showCounts);
    // While filtering, every change beneath resets the proxy: the view opens its parents again.
    connect(m_proxy, &NodeFilterModel::shownAnew, this, &FindFilter::openShownParents);
    if (auto* tree = qobject_cast<QTreeView*>(&view))
        connect(tree->verticalScrollBar(), &QScrollBar::valueChanged, this,
                &FindFilter::openShownParentsInView);
}

TreePosition FindFilter::positionOf(const QModelIndex& shown) const
{
    return m_model.positionOf(m_proxy->mapToSource(shown));
}

QModelIndex FindFilter::show(TreePosition at)
{
    const QModelIndex node = m_model.indexOf(at);
    if (!node.isValid())
        return {};
    QModelIndex shown = m_proxy->mapFromSource(node);
    if (!shown.isValid()) {
        m_proxy->keepShown(at);
        shown = m_proxy->mapFromSource(node);
    }
    return shown;
}

// What took a removed node's place is the next node shown, else the one before, else the parent.
TreePosition FindFilter::afterRemoval(TreePosition removed) const
{
    if (m_proxy->passing())
        return m_model.afterRemoval(removed);
    const QModelIndex parent = removed.isTop() ? QModelIndex() : m_model.indexOf(removed.parent());
    const int row = removed.isTop() ? removed.top : removed.child;
    const int rows = m_model.rowCount(parent);
    const auto isShown = [&](int at) {
        return m_proxy->mapFromSource(m_model.index(at, 0, parent)).isValid();
    };
    for (int at = row; at < rows; ++at) {
        if (isShown(at))
            return shifted(removed, at - row);
    }
    for (int at = std::min(row, rows) - 1; at >= 0; --at) {
        if (isShown(at))
            return shifted(removed, at - row);
    }
    if (!removed.isTop() && m_proxy->mapFromSource(parent).isValid())
        return removed.parent();
    return {};
}

// A node would land among nodes that are not shown.
QString FindFilter::moveRefusal() const
{
    return m_proxy->passing() ? QString()
                              : tr("Moving is off while the find bar filters the list: close the "
                                   "find bar to move.");
}

bool FindFilter::isOpen() const
{
    return m_bar->isVisible();
}

void FindFilter::open()
{
    m_bar->open();
}

void FindFilter::close()
{
    m_bar->close();
}

// The selection stays where it was when the filter shows it; else the first match takes it,
// rather than a node that does not match being kept on show. Nodes are dragged only when all
// show.
void FindFilter::setText(const QString& text)
{
    const TreePosition selected = positionOf(m_view.currentIndex());
    m_proxy->setText(text);
    m_view.setDragDropMode(text.isEmpty() ? QAbstractItemView::InternalMove
                                          : QAbstractItemView::NoDragDrop);
    const QModelIndex kept = m_proxy->mapFromSource(m_model.indexOf(selected));
    if (kept.isValid() || text.isEmpty()) {
        if (auto* tree = qobject_cast<QTreeView*>(&m_view); tree && kept.parent().isValid())
            tree->expand(kept.parent());
        m_view.setCurrentIndex(kept);
        m_view.scrollTo(kept);
    } else {
        selectFirstMatch(false);
    }
    showCounts();
    emit filterChanged();
}

// The first node, in the view's order, that holds the text itself: not a category shown only
// for its tags.
void FindFilter::selectFirstMatch(bool focusView)
{
    const TextMatch match(m_bar->text());
    for (int top = 0; top < m_proxy->rowCount(); ++top) {
        const QModelIndex parent = m_proxy->index(top, 0);
        for (int child = -1; child < m_proxy->rowCount(parent); ++child) {
            const QModelIndex node = child < 0 ? parent : m_proxy->index(child, 0, parent);
            if (m_model.nodeMatches(positionOf(node), match)) {
                m_view.setCurrentIndex(node);
                m_view.scrollTo(node);
                if (focusView)
                    m_view.setFocus();
                return;
            }
        }
    }
    m_view.selectionModel()->clear();
    if (focusView)
        m_view.setFocus();
}

void FindFilter::showCounts()
{
    m_bar->showCounts(m_proxy->matchCount(), m_proxy->nodeCount());
}

// Opening a parent costs the view a pass over its children: with many nodes shown, the parents
// open as they come into view, so that a letter typed into the find bar never stalls the window.
void FindFilter::openShownParents()
{
    constexpr qsizetype openAtOnce = 20000;
    auto* tree = qobject_cast<QTreeView*>(&m_view);
    if (!tree || m_proxy->passing())
        return;
    m_openShownInView = m_proxy->shownCount() > openAtOnce;
    if (m_openShownInView)
        openParentsFrom(0); // before the view lays out its rows, which then need no second pass
    else
        tree->expandAll();
}

void FindFilter::openShownParentsInView()
{
    if (m_proxy->passing() || !m_openShownInView)
        return;
    const QModelIndex first = m_view.indexAt(QPoint(0, 0));
    openParentsFrom(first.parent().isValid() ? first.parent().row() : std::max(first.row(), 0));
}

// The parents from that top-level row on, as many as fill two screens.
void FindFilter::openParentsFrom(int top)
{
    auto& tree = static_cast<QTreeView&>(m_view);
    int rowsLeft = 2 * tree.viewport()->height() / std::max(1, tree.fontMetrics().height());
    for (; top < m_proxy->rowCount() && rowsLeft > 0; ++top) {
        const QModelIndex parent = m_proxy->index(top, 0);
        tree.expand(parent);
        rowsLeft -= 1 + m_proxy->rowCount(parent);
    }
}
