#pragma once

#include "common/Form.h"
#include "common/LineFile.h"

#include <QString>

#include <memory>

namespace Ui {
class ToolbarEditorWindow;
}
class HostOptions;
class ImageList;
class QTreeWidgetItem;

// The toolbar editor: categories and their tags in a tree, each with its image from the image
// strip. Edits stay in the tree until OK writes the whole file.
class ToolbarEditorWindow : public Form
{
    Q_OBJECT

public:
    ToolbarEditorWindow(QWidget* parent, const HostOptions& options);
    ~ToolbarEditorWindow() override;

protected:
    void onCreate() override;

private:
    void loadImageStrip();

    void btnNewTagClick();
    void btnNewCategoryClick();
    void btnEditClick();
    void btnRemoveClick();
    void btnOkClick();
    void btnEditGlypsClick();
    void btnViewGlyphsClick();

    QTreeWidgetItem* selectedNode() const;
    void editCategory(QTreeWidgetItem& node);
    void editTag(QTreeWidgetItem& node);

    std::unique_ptr<Ui::ToolbarEditorWindow> ui;
    const HostOptions& options;
    ImageList* m_images;
    // The strip's path as the last loadImageStrip read it, also when that load failed.
    QString m_stripPath;
    ReadExtent toolbarExtent = ReadExtent::Whole;
    QString loadedPath; // the file that toolbarExtent is about
};
