#include "mime/MimeTypeTable.h"

#include <QColor>

namespace {

const QColor duplicateColour(0xb0, 0x10, 0x10);

// Counted by the text's 64-bit hash rather than the text: on long lists a table of numbers stays
// in the processor's cache where one of strings does not. Two different texts would have to
// share a hash to be marked alike.
size_t hashOf(const QString& key)
{
    return qHash(key, size_t(0x5bd1e995));
}

void add(QHash<size_t, int>& counts, const QString& key, int change)
{
    int& n = counts[hashOf(key)];
    n += change;
    if (n <= 0)
        counts.remove(hashOf(key));
}

} // namespace

MimeTypeTable::MimeTypeTable(QObject* parent) : QAbstractTableModel(parent)
{
}

void MimeTypeTable::append(const MimeTypeList& types)
{
    if (types.isEmpty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(types.size()) - 1);
    m_rows.append(types);
    // Sized once, so that counting a long list does not rehash again and again.
    m_typeCounts.reserve(m_rows.size());
    m_suffixCounts.reserve(m_rows.size());
    for (const MimeType& type : types)
        count(type, +1);
    endInsertRows();
    marksMayHaveChanged();
}

void MimeTypeTable::replace(int row, const MimeType& type)
{
    count(m_rows[row], -1);
    m_rows[row] = type;
    count(type, +1);
    marksMayHaveChanged();
}

void MimeTypeTable::remove(int row)
{
    beginRemoveRows({}, row, row);
    count(m_rows[row], -1);
    m_rows.removeAt(row);
    endRemoveRows();
    marksMayHaveChanged();
}

bool MimeTypeTable::isDuplicate(int row, int column) const
{
    const QHash<size_t, int>& counts = column == TypeColumn ? m_typeCounts : m_suffixCounts;
    return counts.value(hashOf(key(m_rows[row], column))) > 1;
}

std::optional<int> MimeTypeTable::otherRowWithSame(int row, int column) const
{
    if (!isDuplicate(row, column))
        return std::nullopt;
    const QString wanted = key(m_rows[row], column);
    for (int other = 0; other < m_rows.size(); ++other) {
        if (other != row && key(m_rows[other], column) == wanted)
            return other;
    }
    return std::nullopt;
}

int MimeTypeTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int MimeTypeTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MimeTypeTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const MimeType& entry = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == TypeColumn ? entry.type : entry.suffix;
    case Qt::ForegroundRole:
        if (isDuplicate(index.row(), index.column()))
            return duplicateColour;
        return {};
    case Qt::ToolTipRole:
        return duplicateNote(index.row(), index.column());
    default:
        return {};
    }
}

QVariant MimeTypeTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == TypeColumn ? QStringLiteral("MIME type") : QStringLiteral("Extension");
}

Qt::ItemFlags MimeTypeTable::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QString MimeTypeTable::key(const MimeType& type, int column) const
{
    return column == TypeColumn ? upperCaseAscii(type.type) : type.suffix;
}

void MimeTypeTable::count(const MimeType& type, int change)
{
    add(m_typeCounts, key(type, TypeColumn), change);
    add(m_suffixCounts, key(type, SuffixColumn), change);
}

// The other row is looked for only when a tooltip is asked for, so that changes stay cheap.
QString MimeTypeTable::duplicateNote(int row, int column) const
{
    const std::optional<int> other = otherRowWithSame(row, column);
    if (!other)
        return {};
    const QString what =
        column == TypeColumn ? QStringLiteral("MIME type") : QStringLiteral("extension");
    return QStringLiteral("The same %1 stands on row %2.").arg(what).arg(*other + 1);
}

// A change can mark or unmark rows anywhere in the list; one change signal over all of them
// costs the views a repaint of what they show, not a pass over the rows.
void MimeTypeTable::marksMayHaveChanged()
{
    if (m_rows.isEmpty())
        return;
    emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, ColumnCount - 1),
                     {Qt::DisplayRole, Qt::ForegroundRole, Qt::ToolTipRole});
}
