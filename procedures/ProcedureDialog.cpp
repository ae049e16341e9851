#include "procedures/ProcedureDialog.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "procedures/CodeField.h"
#include "ui_ProcedureDialog.h"

ProcedureDialog::ProcedureDialog(QWidget* parent, const Procedure& procedure)
    : QDialog(parent), ui(std::make_unique<Ui::ProcedureDialog>())
{
    ui->setupUi(this);
    setDialogFrame(*this);
    WindowSizing::fitToFont(*this);
    WindowSizing::letGrow(*this);
    WindowPlacement::centreOnScreen(this);
    ui->okButton->setIcon(glyphIcon(Glyph::Ok));
    ui->cancelButton->setIcon(glyphIcon(Glyph::Cancel));
    ui->selectedTextButton->setIcon(glyphIcon(Glyph::SelectedTextMacro));
    setUpCodeField(*ui->codeEdit);
    connect(ui->selectedTextButton, &QPushButton::clicked, this,
            &ProcedureDialog::insertSelectedTextMacro);
    ui->captionEdit->setText(procedure.caption());
    ui->codeEdit->setPlainText(decodeNewLines(procedure.code()));
}

ProcedureDialog::~ProcedureDialog() = default;

std::optional<Procedure> ProcedureDialog::edit(QWidget* parent, const Procedure& procedure,
                                               QString* typedCode)
{
    ProcedureDialog dialog(parent, procedure);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    if (typedCode)
        *typedCode = dialog.code();
    return dialog.procedure();
}

Procedure ProcedureDialog::procedure() const
{
    return Procedure(ui->captionEdit->text(), encodeNewLines(code()));
}

QString ProcedureDialog::code() const
{
    return codeFieldText(*ui->codeEdit);
}

void ProcedureDialog::accept()
{
    const QString refusal = refusalFor(procedure());
    if (!refusal.isEmpty()) {
        Modal::refuse(this, refusal);
        return;
    }
    QDialog::accept();
}

void ProcedureDialog::insertSelectedTextMacro()
{
    ui->codeEdit->insertPlainText(QStringLiteral("%1"));
}
