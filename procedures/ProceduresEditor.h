#pragma once

#include "common/NodeEditor.h"
#include "procedures/ProceduresModel.h"

#include <memory>

namespace Ui {
class ProceduresEditor;
}
class HostOptions;

// The editor of the procedures file: sections and procedures in a tree, the selected
// procedure's code in a preview. Sections stay as the file has them; only procedures come, go
// and move.
class ProceduresEditor : public NodeEditor<ProceduresModel>
{
    Q_OBJECT

public:
    ProceduresEditor(QWidget* parent, const HostOptions& options);
    ~ProceduresEditor() override;

public slots:
    // A new procedure goes last in the selected section, or in the section of the selected
    // procedure.
    void addProcedure();

protected:
    bool isEditable(TreePosition at) const override;
    QString removeQuestion() const override;
    std::optional<Procedure> askNode(const Procedure& procedure) override;
    Paste readPaste(const QString& text, TreePosition selected) const override;
    bool canPaste(const QString& text, TreePosition selected) const override;
    QString title(const Procedure& procedure) const override;
    QString titleOfMany(const QList<Procedure>& procedures) const override;
    QString clipboardText(const Procedure& procedure) const override;

private:
    void showSelectedCode();
    void showTypedCode();

    std::unique_ptr<Ui::ProceduresEditor> ui;
    // The code as typed into the dialog last confirmed with a change, which the preview shows
    // once its step is taken, until the selection moves: "%2" typed there is still "%2".
    std::optional<QString> m_typedCode;
};
