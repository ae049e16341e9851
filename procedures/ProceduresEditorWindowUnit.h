#pragma once

#include "common/EditCommands.h"
#include "common/EditedFile.h"
#include "common/Form.h"
#include "common/TwoLevelModel.h"

#include <memory>

namespace Ui {
class ProceduresEditorWindow;
}
class HostOptions;
class ListCommands;
class ProceduresModel;
class QUndoCommand;
class QUndoStack;

// The editor of the procedures file: sections and procedures in a tree, the selected
// procedure's code in a preview; the file is read when the window is created and written on OK.
class ProceduresEditorWindow : public Form
{
    Q_OBJECT

public:
    ProceduresEditorWindow(QWidget* parent, const HostOptions& options);
    ~ProceduresEditorWindow() override;

protected:
    void onCreate() override;

private:
    void load();
    void connectHandlers();
    void setUpCommands();
    void tvItemsChange();
    void tvItemsDblClick(const QModelIndex& node);
    void tvItemsCollapsed(const QModelIndex& section);
    void btnNewCodeClick();
    void btnEditClick();
    void btnRemoveClick();
    void btnOkClick();
    void cutClick();
    void copyClick();
    void pasteClick();
    void moveClick(int by);

    TreePosition selectedNode() const;
    TreePosition selectedProcedure() const;
    bool askProcedure(QString& caption, QString& code);
    bool canMove(int by) const;
    void push(QUndoCommand* step);
    SelectNode selector();
    void select(TreePosition at, bool removed);

    std::unique_ptr<Ui::ProceduresEditorWindow> ui;
    ProceduresModel* m_model;
    QUndoStack* m_undo;
    ListCommands* m_commands = nullptr;
    EditedFile m_file;
};
