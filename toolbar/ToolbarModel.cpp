#include "toolbar/ToolbarModel.h"

#include "common/ListRoom.h"
#include "common/RowRoom.h"
#include "common/TextMatch.h"

ToolbarModel::ToolbarModel(QObject* parent) : TwoLevelModel(parent)
{
}

// A view keeps a little for each row it shows: room for all of them is made first.
void ToolbarModel::setDocument(ToolbarDocument document)
{
    qsizetype rows = document.categories.size();
    for (const ToolbarCategory& category : std::as_const(document.categories))
        rows += category.tags().size();
    requireRoomForRows(rows);
    beginResetModel();
    m_document = std::move(document);
    endResetModel();
}

const ToolbarCategory& ToolbarModel::category(int row) const
{
    return m_document.categories.at(row);
}

const ToolbarTag& ToolbarModel::tag(TreePosition at) const
{
    return m_document.categories.at(at.top).tags().at(at.child);
}

ToolbarNode ToolbarModel::node(TreePosition at) const
{
    if (at.isTop())
        return category(at.top);
    return tag(at);
}

// Room is made before the model's signals, and the nodes move only then: running out of memory
// changes nothing.
void ToolbarModel::insertNodes(TreePosition first, QList<ToolbarNode>& nodes)
{
    const int count = int(nodes.size());
    requireRoomForRows(count);
    nodes.detach();
    if (first.isTop()) {
        QList<ToolbarCategory>& categories = m_document.categories;
        makeRoom(categories, count);
        insertTops(first.top, count, [&] {
            moveIn(categories, first.top, nodes,
                   [](ToolbarNode&& node) { return std::get<ToolbarCategory>(std::move(node)); });
        });
        return;
    }
    QList<ToolbarTag>& tags = m_document.categories[first.top].tags();
    makeRoom(tags, count);
    insertChildren(first, count, [&] {
        moveIn(tags, first.child, nodes,
               [](ToolbarNode&& node) { return std::get<ToolbarTag>(std::move(node)); });
    });
}

QList<ToolbarNode> ToolbarModel::takeNodes(TreePosition first, int count)
{
    if (first.isTop()) {
        QList<ToolbarCategory>& categories = m_document.categories;
        QList<ToolbarNode> taken = roomToMoveOut<ToolbarNode>(categories, count);
        removeTops(first.top, count, [&] {
            moveOut(categories, first.top, count, taken);
            categories.remove(first.top, count);
        });
        return taken;
    }
    QList<ToolbarTag>& tags = m_document.categories[first.top].tags();
    QList<ToolbarNode> taken = roomToMoveOut<ToolbarNode>(tags, count);
    removeChildren(first, count, [&] {
        moveOut(tags, first.child, count, taken);
        tags.remove(first.child, count);
    });
    return taken;
}

void ToolbarModel::setNode(TreePosition at, const ToolbarNode& node)
{
    if (at.isTop()) {
        // The category takes the node's caption and image, and what it was (an undone change
        // gives a loose tag back), but keeps the tags it holds now.
        ToolbarCategory& changed = m_document.categories[at.top];
        ToolbarCategory replaced = std::get<ToolbarCategory>(node);
        replaced.tags() = std::move(changed.tags());
        changed = std::move(replaced);
    } else {
        m_document.categories[at.top].tags()[at.child] = std::get<ToolbarTag>(node);
    }
    TwoLevelModel::changed(at);
}

void ToolbarModel::moveNode(TreePosition from, TreePosition to)
{
    if (from == to)
        return;
    if (from.isTop()) {
        moveTop(from.top, to.top, [&] { m_document.categories.move(from.top, to.top); });
        return;
    }
    moveChild(from, to, [&] {
        QList<ToolbarTag>& source = m_document.categories[from.top].tags();
        if (from.top == to.top)
            source.move(from.child, to.child);
        else
            m_document.categories[to.top].tags().insert(to.child, source.takeAt(from.child));
    });
}

QString ToolbarModel::moveRefusal(TreePosition from, TreePosition to) const
{
    const QString refusal = tr("A tag line that stands before the first category stays above "
                               "every category and holds no tags: the file cannot hold it "
                               "anywhere else.");
    if (!to.isTop())
        return takesTags(to.parent()) ? QString() : refusal;
    // The row that stands at a place once the node has moved.
    const auto rowAfterMove = [&](int place) {
        if (place == to.top)
            return from.top;
        if (from.top < to.top && place >= from.top && place < to.top)
            return place + 1;
        if (to.top < from.top && place > to.top && place <= from.top)
            return place - 1;
        return place;
    };
    const bool leading = category(from.top).isLooseTag();
    const bool fits =
        leading ? to.top == 0 || category(rowAfterMove(to.top - 1)).isLooseTag()
                : to.top + 1 >= topCount() || !category(rowAfterMove(to.top + 1)).isLooseTag();
    return fits ? QString() : refusal;
}

bool ToolbarModel::takesTags(TreePosition at) const
{
    return at.isValid() && (!at.isTop() || !category(at.top).isLooseTag());
}

int ToolbarModel::leadingTagCount() const
{
    int count = 0;
    while (count < topCount() && category(count).isLooseTag())
        ++count;
    return count;
}

QVariant ToolbarModel::data(const QModelIndex& index, int role) const
{
    const TreePosition at = positionOf(index);
    if (!contains(at))
        return {};
    if (role == ImageIndexRole)
        return at.isTop() ? category(at.top).image() : tag(at).image();
    if (role != Qt::DisplayRole)
        return {};
    return at.isTop() ? category(at.top).caption() : tag(at).text();
}

int ToolbarModel::topCount() const
{
    return int(m_document.categories.size());
}

int ToolbarModel::childCount(int top) const
{
    return int(m_document.categories.at(top).tags().size());
}

bool ToolbarModel::nodeMatches(TreePosition at, const TextMatch& match) const
{
    return at.isTop() ? category(at.top).matches(match) : tag(at).matches(match);
}

void ToolbarModel::appendChildMatches(int top, const TextMatch& match,
                                      std::vector<char>& matches) const
{
    for (const ToolbarTag& tag : m_document.categories.at(top).tags())
        matches.push_back(tag.matches(match));
}
