#pragma once

#include "common/TwoLevelModel.h"
#include "toolbar/ToolbarDocument.h"

// The toolbar as a tree: categories at the top level, their tags below. A node shows its text as
// the editor always showed it (a tag as its caption, ":" and its template) and gives its image
// index in ImageIndexRole. Every change goes through the model, which owns the document.
class ToolbarModel : public TwoLevelModel
{
    Q_OBJECT

public:
    enum Role { ImageIndexRole = Qt::UserRole + 1 };

    explicit ToolbarModel(QObject* parent = nullptr);

    const ToolbarDocument& document() const { return m_document; }
    void setDocument(ToolbarDocument document);

    const ToolbarCategory& category(int row) const;
    const ToolbarTag& tag(TreePosition at) const;

    void insertCategory(int row, ToolbarCategory category);
    // A new caption and image; the category keeps its tags.
    void setCategory(int row, const DocumentText& caption, int image);
    void insertTag(TreePosition at, ToolbarTag tag);
    void setTag(TreePosition at, ToolbarTag tag);
    ToolbarCategory takeCategory(int row);
    ToolbarTag takeTag(TreePosition at);
    // A category among the categories, or a tag to any place under any category; to counts as
    // after the move.
    void moveNode(TreePosition from, TreePosition to);

    // Any node, as the editing steps take them. A category set anew keeps its tags.
    using Node = ToolbarNode;
    ToolbarNode node(TreePosition at) const;
    void insertNode(TreePosition at, ToolbarNode node);
    ToolbarNode takeNode(TreePosition at);
    void setNode(TreePosition at, const ToolbarNode& node);

    QVariant data(const QModelIndex& index, int role) const override;

protected:
    int topCount() const override;
    int childCount(int top) const override;
    bool topsMove() const override { return true; }

private:
    ToolbarDocument m_document;
};
