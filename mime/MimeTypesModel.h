#pragma once

#include "mime/MimeTypesDocument.h"

#include <QAbstractTableModel>
#include <QHash>

#include <optional>

// The rows of the MIME types list: the type in column 0, the suffix in column 1, in file order.
// A type or suffix that also stands on another row is marked (a colour and a tooltip naming
// that row); types are compared as they are written, in capitals.
class MimeTypesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { TypeColumn, SuffixColumn, ColumnCount };

    explicit MimeTypesModel(QObject* parent = nullptr);

    const MimeTypesDocument& document() const { return m_document; }
    void setDocument(MimeTypesDocument document);
    const MimeType& row(int row) const { return m_document.rows.at(row); }

    void insertRow(int row, MimeType type);
    void setRow(int row, MimeType type);
    MimeType takeRow(int row);
    // to counts as after the move.
    void moveRow(int from, int to);

    // Whether the cell's text also stands on another row.
    bool isDuplicate(int row, int column) const;
    // The first other row, counted from 0, whose cell holds the same text.
    std::optional<int> otherRowWithSame(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QByteArray key(const MimeType& type, int column) const;
    void count(const MimeType& type, int change);
    void countAll();
    QString duplicateNote(int row, int column) const;
    void marksMayHaveChanged();

    MimeTypesDocument m_document;
    QHash<size_t, int> m_typeCounts;
    QHash<size_t, int> m_suffixCounts;
};
