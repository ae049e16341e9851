#pragma once

#include "common/EditedFile.h"
#include "common/Form.h"
#include "common/TwoLevelModel.h"

#include <QString>

#include <memory>

namespace Ui {
class ToolbarEditorWindow;
}
class HostOptions;
class ImageList;
class ToolbarModel;

// The toolbar editor: categories and their tags in a tree, each with its image from the image
// strip. Edits stay in the model until OK writes the whole file.
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
    void loadToolbar();

    void btnNewTagClick();
    void btnNewCategoryClick();
    void btnEditClick();
    void btnRemoveClick();
    void btnOkClick();
    void btnEditGlypsClick();
    void btnViewGlyphsClick();

    TreePosition selectedNode() const;
    void editCategory(int row);
    void editTag(TreePosition at);

    std::unique_ptr<Ui::ToolbarEditorWindow> ui;
    const HostOptions& m_options;
    ImageList* m_images;
    ToolbarModel* m_model;
    EditedFile m_file;
    // The strip's path as the last loadImageStrip read it, also when that load failed.
    QString m_stripPath;
};
