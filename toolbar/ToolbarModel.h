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

    // Nodes as the editing steps take them: siblings from first on, categories at the top
    // level, tags under a category. insertNodes moves the nodes out of the list it is given, and
    // leaves them there when it runs out of memory. A category set anew keeps its tags.
    using Node = ToolbarNode;
    using Document = ToolbarDocument;
    ToolbarNode node(TreePosition at) const;
    void insertNodes(TreePosition first, QList<ToolbarNode>& nodes);
    QList<ToolbarNode> takeNodes(TreePosition first, int count);
    void setNode(TreePosition at, const ToolbarNode& node);
    void moveNode(TreePosition from, TreePosition to) override;
    // Tag lines that stand before the first category are written before every category, and
    // hold no tags: such a node stays in the run at the top.
    QString moveRefusal(TreePosition from, TreePosition to) const override;
    // Whether a tag can go under the node at that place: not under a tag line that stands before
    // the first category.
    bool takesTags(TreePosition at) const;
    // The number of those tag lines at the top.
    int leadingTagCount() const;

    bool nodeMatches(TreePosition at, const TextMatch& match) const override;
    void appendChildMatches(int top, const TextMatch& match,
                            std::vector<char>& matches) const override;
    QVariant data(const QModelIndex& index, int role) const override;

protected:
    int topCount() const override;
    int childCount(int top) const override;
    bool topsMove() const override { return true; }

private:
    ToolbarDocument m_document;
};
