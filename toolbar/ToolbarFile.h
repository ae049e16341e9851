#pragma once

#include "common/LineFile.h"
#include "platform/AppError.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <Qt>

#include <optional>

class HostOptions;
class QTreeWidget;
class QTreeWidgetItem;

// A node of the toolbar: a category (top level) or a tag. A tag's text is its caption, ":" and
// its template.
struct ToolbarNode
{
    QString text;
    int imageIndex = 0;
    QList<ToolbarNode> children;

    friend bool operator==(const ToolbarNode& a, const ToolbarNode& b);
};
using ToolbarTree = QList<ToolbarNode>;

struct ToolbarParse
{
    ToolbarTree tree;
    // The line whose image index did not convert; the nodes read before it are in tree.
    std::optional<AppError> stoppedBy;
};

// Field 2 of a line: a signed 32-bit decimal, leading blanks allowed, nothing after the digits.
std::optional<int> toImageIndex(QStringView field);

// Lines of the toolbar file to the tree. A category's tag lines stand in the reverse of their
// display order.
ToolbarParse parseToolbarLines(const QStringList& lines, const QString& fileName);
QStringList toolbarLines(const ToolbarTree& tree);

// The editor's tree view holds the toolbar: node text in column 0, image index in this role.
inline constexpr int ImageIndexRole = Qt::UserRole + 1;

// A node of the tree view with its text and image index.
QTreeWidgetItem* newToolbarItem(const QString& text, int imageIndex);
void setToolbarItem(QTreeWidgetItem& item, const QString& text, int imageIndex);
int imageIndexOf(const QTreeWidgetItem& item);

void fillToolbarTree(QTreeWidget& tvItems, const ToolbarTree& tree);
ToolbarTree readToolbarTree(const QTreeWidget& tvItems);

// Replaces the tree by the file named by Opt_HTMLToolbarCFG; extent tells how much of the file
// the tree holds, also when a line stops the load (the error is thrown after the tree is filled).
void LoadToolbar(QTreeWidget& tvItems, const HostOptions& options, ReadExtent& extent);
// Replaces the file named by Opt_HTMLToolbarCFG by the tree.
void SaveToolbar(const QTreeWidget& tvItems, const HostOptions& options);
