#pragma once

#include "common/Form.h"
#include "common/LineFile.h"

#include <QString>

#include <memory>

namespace Ui {
class THTMLToolbarEditorWindow;
}
class HostOptions;
class ImageList;
class QTreeWidgetItem;

// The toolbar editor: categories and their tags in a tree, each with its image from the image
// strip. Edits stay in the tree until OK writes the whole file.
class THTMLToolbarEditorWindow : public TForm
{
    Q_OBJECT

public:
    THTMLToolbarEditorWindow(QWidget* parent, const HostOptions& options);
    ~THTMLToolbarEditorWindow() override;

protected:
    void FormCreate() override;

private:
    void LoadGlyphs();

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

    std::unique_ptr<Ui::THTMLToolbarEditorWindow> ui;
    const HostOptions& options;
    ImageList* ImageList1;
    // The strip's path as the last LoadGlyphs read it, also when that load failed.
    QString GlyphsFile;
    ReadExtent toolbarExtent = ReadExtent::Whole;
    QString loadedPath; // the file that toolbarExtent is about
};
