#pragma once

#include "common/EditedFile.h"
#include "common/Form.h"
#include "common/TwoLevelModel.h"

#include <memory>

namespace Ui {
class ProceduresEditorWindow;
}
class HostOptions;
class ProceduresModel;

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
    void connectHandlers();
    void tvItemsChange();
    void tvItemsDblClick(const QModelIndex& node);
    void tvItemsCollapsed(const QModelIndex& section);
    void btnNewCodeClick();
    void btnEditClick();
    void btnRemoveClick();
    void btnOkClick();

    TreePosition selectedNode() const;
    TreePosition selectedProcedure() const;
    bool askProcedure(QString& caption, QString& code);

    std::unique_ptr<Ui::ProceduresEditorWindow> ui;
    ProceduresModel* m_model;
    EditedFile m_file;
};
