#include "mime/MimeTypesModel.h"

#include "common/ListRoom.h"
#include "common/RowRoom.h"
#include "common/TextMatch.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace {

// A dark red on a light list, a light one on a dark list: readable on both.
QColor duplicateColour()
{
    const bool dark = QGuiApplication::palette().color(QPalette::Base).lightness() < 128;
    return dark ? QColor(0xff, 0x80, 0x80) : QColor(0xb0, 0x10, 0x10);
}

// Counted by the text's 64-bit hash rather than the text: on long lists a table of numbers stays
// in the processor's cache where one of strings does not. Two different texts would have to
// share a hash to be marked alike.
size_t hashOf(QByteArrayView key)
{
    return qHash(key, size_t(0x5bd1e995));
}

size_t keyHash(const MimeType& type, int column)
{
    return column == MimeTypesModel::TypeColumn ? hashOf(type.writtenType())
                                                : hashOf(type.writtenSuffix());
}

void add(QHash<size_t, int>& counts, size_t hash, int change)
{
    int& n = counts[hash];
    n += change;
    if (n <= 0)
        counts.remove(hash);
}

} // namespace

MimeTypesModel::MimeTypesModel(QObject* parent) : NodeModel(parent)
{
}

// A view keeps a little for each row it shows: room for all of them is made first.
void MimeTypesModel::setDocument(MimeTypesDocument document)
{
    requireRoomForRows(document.rows.size());
    beginResetModel();
    m_document = std::move(document);
    countAll();
    endResetModel();
}

// Room is made before the model's signals, and the rows move only then: running out of memory
// changes nothing.
void MimeTypesModel::insertNodes(TreePosition first, QList<MimeType>& types)
{
    const int count = int(types.size());
    requireRoomForRows(count);
    types.detach();
    makeRoom(m_document.rows, count);
    m_typeCounts.reserve(m_typeCounts.size() + count);
    m_suffixCounts.reserve(m_suffixCounts.size() + count);
    beginInsertRows({}, first.top, first.top + count - 1);
    for (const MimeType& type : std::as_const(types))
        this->count(type, +1);
    moveIn(m_document.rows, first.top, types, [](MimeType&& type) { return type; });
    endInsertRows();
    marksMayHaveChanged();
}

QList<MimeType> MimeTypesModel::takeNodes(TreePosition first, int count)
{
    QList<MimeType> taken = roomToMoveOut<MimeType>(m_document.rows, count);
    beginRemoveRows({}, first.top, first.top + count - 1);
    moveOut(m_document.rows, first.top, count, taken);
    m_document.rows.remove(first.top, count);
    for (const MimeType& type : std::as_const(taken))
        this->count(type, -1);
    endRemoveRows();
    marksMayHaveChanged();
    return taken;
}

void MimeTypesModel::setNode(TreePosition at, const MimeType& type)
{
    count(m_document.rows[at.top], -1);
    count(type, +1);
    m_document.rows[at.top] = type;
    marksMayHaveChanged();
}

void MimeTypesModel::moveNode(TreePosition from, TreePosition to)
{
    if (from == to)
        return;
    // Qt counts the destination as before the move: the row that the moved one goes before.
    beginMoveRows({}, from.top, from.top, {}, to.top > from.top ? to.top + 1 : to.top);
    m_document.rows.move(from.top, to.top);
    endMoveRows();
    marksMayHaveChanged();
}

QModelIndex MimeTypesModel::indexOf(TreePosition at) const
{
    return at.isTop() ? index(at.top, TypeColumn) : QModelIndex();
}

TreePosition MimeTypesModel::positionOf(const QModelIndex& index) const
{
    return index.isValid() ? TreePosition{index.row(), -1} : TreePosition();
}

bool MimeTypesModel::isDuplicate(int row, int column) const
{
    const QHash<size_t, int>& counts = column == TypeColumn ? m_typeCounts : m_suffixCounts;
    return counts.value(keyHash(m_document.rows[row], column)) > 1;
}

std::optional<int> MimeTypesModel::otherRowWithSame(int row, int column) const
{
    if (!isDuplicate(row, column))
        return std::nullopt;
    const QByteArray wanted = key(m_document.rows[row], column);
    for (int other = 0; other < m_document.rows.size(); ++other) {
        if (other != row && key(m_document.rows[other], column) == wanted)
            return other;
    }
    return std::nullopt;
}

QModelIndex MimeTypesModel::index(int row, int column, const QModelIndex& parent) const
{
    return hasIndex(row, column, parent) ? createIndex(row, column) : QModelIndex();
}

QModelIndex MimeTypesModel::parent(const QModelIndex&) const
{
    return {};
}

int MimeTypesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_document.rows.size());
}

int MimeTypesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MimeTypesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_document.rows.size())
        return {};
    const MimeType& entry = m_document.rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == TypeColumn ? entry.type() : entry.suffix();
    case Qt::ForegroundRole:
        if (isDuplicate(index.row(), index.column()))
            return duplicateColour();
        return {};
    case Qt::ToolTipRole:
        return duplicateNote(index.row(), index.column());
    default:
        return {};
    }
}

QVariant MimeTypesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == TypeColumn ? tr("MIME type") : tr("Extension");
}

Qt::ItemFlags MimeTypesModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

// Rows count as before the move, so a row that goes down lands one row higher; a drop past the
// last row, or beside the list's rows, puts it last.
std::optional<TreePosition> MimeTypesModel::dropTarget(TreePosition from, int row,
                                                       const QModelIndex&) const
{
    const int to = row < 0 ? rowCount() : row;
    return TreePosition{to > from.top ? to - 1 : to, -1};
}

QByteArray MimeTypesModel::key(const MimeType& type, int column)
{
    return column == TypeColumn ? type.writtenType() : type.writtenSuffix().toByteArray();
}

void MimeTypesModel::count(const MimeType& type, int change)
{
    add(m_typeCounts, keyHash(type, TypeColumn), change);
    add(m_suffixCounts, keyHash(type, SuffixColumn), change);
}

// Sized once, so that counting a long list does not rehash again and again.
void MimeTypesModel::countAll()
{
    m_typeCounts.clear();
    m_suffixCounts.clear();
    m_typeCounts.reserve(m_document.rows.size());
    m_suffixCounts.reserve(m_document.rows.size());
    for (const MimeType& type : m_document.rows)
        count(type, +1);
}

// The other row is looked for only when a tooltip is asked for, so that changes stay cheap.
QString MimeTypesModel::duplicateNote(int row, int column) const
{
    const std::optional<int> other = otherRowWithSame(row, column);
    if (!other)
        return {};
    const QString otherRow = QString::number(*other + 1);
    return column == TypeColumn ? tr("The same MIME type stands on row %1.").arg(otherRow)
                                : tr("The same extension stands on row %1.").arg(otherRow);
}

// A change can mark or unmark rows anywhere in the list; one change signal over all of them
// costs the views a repaint of what they show, not a pass over the rows.
void MimeTypesModel::marksMayHaveChanged()
{
    if (m_document.rows.isEmpty())
        return;
    emit dataChanged(index(0, 0), index(int(m_document.rows.size()) - 1, ColumnCount - 1),
                     {Qt::DisplayRole, Qt::ForegroundRole, Qt::ToolTipRole});
}

bool MimeTypesModel::nodeMatches(TreePosition at, const TextMatch& match) const
{
    return row(at.top).matches(match);
}
