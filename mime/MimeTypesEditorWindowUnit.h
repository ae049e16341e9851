#pragma once

#include "common/EditCommands.h"
#include "common/EditedFile.h"
#include "common/Form.h"

#include <memory>
#include <optional>

namespace Ui {
class MimeTypesEditorWindow;
}
class HostOptions;
class ListCommands;
class MimeTypesModel;
class QUndoCommand;
class QUndoStack;

// The list of MIME types and their suffixes: loaded when the window is created, changed one
// row at a time through MimeTypePropertiesWindow, written back whole by OK.
class MimeTypesEditorWindow : public Form
{
    Q_OBJECT

public:
    MimeTypesEditorWindow(QWidget* parent, const HostOptions& options);
    ~MimeTypesEditorWindow() override;

protected:
    void onCreate() override;

private:
    void setUpList();
    void connectButtons();
    void setUpCommands();
    std::optional<int> selectedRow() const;

    void btnOkClick();
    void btnNewTypeClick();
    void btnEditClick();
    void btnRemoveClick();
    void cutClick();
    void copyClick();
    void pasteClick();
    void moveClick(int by);

    bool canMove(int by) const;
    void push(QUndoCommand* step);
    SelectNode selector();
    void select(TreePosition at, bool removed);

    std::unique_ptr<Ui::MimeTypesEditorWindow> ui;
    MimeTypesModel* m_types;
    QUndoStack* m_undo;
    EditedFile m_file;
};
