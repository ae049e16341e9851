#pragma once

#include "common/EditCommands.h"
#include "common/EditedFile.h"
#include "common/Form.h"
#include "common/TwoLevelModel.h"
#include "toolbar/ToolbarDocument.h"

#include <QString>

#include <memory>

namespace Ui {
class ToolbarEditorWindow;
}
class HostOptions;
class ImageList;
class ListCommands;
class QUndoCommand;
class QUndoStack;
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
    void setUpTree();
    void connectButtons();
    void setUpCommands();
    void loadImageStrip();
    void loadToolbar();

    void btnNewTagClick();
    void btnNewCategoryClick();
    void btnEditClick();
    void btnRemoveClick();
    void btnOkClick();
    void btnEditGlypsClick();
    void btnViewGlyphsClick();
    void cutClick();
    void copyClick();
    void pasteClick();
    void moveClick(int by);

    TreePosition selectedNode() const;
    void editCategory(int row);
    void editTag(TreePosition at);
    bool canMove(int by) const;
    bool canPaste() const;
    void push(QUndoCommand* step);
    SelectNode selector();
    void select(TreePosition at, bool removed);

    std::unique_ptr<Ui::ToolbarEditorWindow> ui;
    const HostOptions& m_options;
    ImageList* m_images;
    ToolbarModel* m_model;
    QUndoStack* m_undo;
    ListCommands* m_commands;
    EditedFile m_file;
    // The strip's path as the last loadImageStrip read it, also when that load failed.
    QString m_stripPath;
};
