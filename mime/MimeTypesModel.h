#pragma once

#include "common/NodeModel.h"
#include "mime/MimeTypesDocument.h"

#include <QHash>

#include <optional>

// The rows of the MIME types list: the type in column 0, the suffix in column 1, in file order.
// A type or suffix that also stands on another row is marked (a colour and a tooltip naming
// that row); types are compared as they are written, in capitals.
class MimeTypesModel : public NodeModel
{
    Q_OBJECT

public:
    enum Column { TypeColumn, SuffixColumn, ColumnCount };

    explicit MimeTypesModel(QObject* parent = nullptr);

    const MimeTypesDocument& document() const { return m_document; }
    void setDocument(MimeTypesDocument document);
    const MimeType& row(int row) const { return m_document.rows.at(row); }

    // Rows as the editing steps take them: a row is a top-level position. insertNodes moves the
    // rows out of the list it is given, and leaves them there when it runs out of memory.
    using Node = MimeType;
    using Document = MimeTypesDocument;
    MimeType node(TreePosition at) const { return row(at.top); }
    void insertNodes(TreePosition first, QList<MimeType>& types);
    QList<MimeType> takeNodes(TreePosition first, int count);
    void setNode(TreePosition at, const MimeType& type);
    // to counts as after the move.
    void moveNode(TreePosition from, TreePosition to) override;

    QModelIndex indexOf(TreePosition at) const override;
    TreePosition positionOf(const QModelIndex& index) const override;

    // Whether the cell's text also stands on another row.
    bool isDuplicate(int row, int column) const;
    // The first other row, counted from 0, whose cell holds the same text.
    std::optional<int> otherRowWithSame(int row, int column) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool nodeMatches(TreePosition at, const TextMatch& match) const override;
    // A list: its rows have no children.
    void appendChildMatches(int, const TextMatch&, std::vector<char>&) const override {}
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // A row dropped goes where it was dropped, or last.
    std::optional<TreePosition> dropTarget(TreePosition from, int row,
                                           const QModelIndex& parent) const override;
    static QByteArray key(const MimeType& type, int column);
    void count(const MimeType& type, int change);
    void countAll();
    QString duplicateNote(int row, int column) const;
    void marksMayHaveChanged();

    MimeTypesDocument m_document;
    QHash<size_t, int> m_typeCounts;
    QHash<size_t, int> m_suffixCounts;
};
