#include "procedures/ProcedurePropertiesWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/Modal.h"
#include "procedures/CodeField.h"
#include "procedures/ProceduresDocument.h"
#include "ui_ProcedurePropertiesWindowUnit.h"

#include <climits>

ProcedurePropertiesWindow::ProcedurePropertiesWindow(QWidget* parent, const QString& caption,
                                                     const QString& code)
    : Form(parent), ui(std::make_unique<Ui::ProcedurePropertiesWindow>())
{
    ui->setupUi(this);
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    ui->btnSelectedTextMacro->setIcon(glyphIcon(Glyph::SelectedTextMacro));
    setUpCodeField(*ui->txtCode);
    // A line read from a file may be longer than a line edit holds by default.
    ui->txtCaption->setMaxLength(INT_MAX);
    ui->txtCaption->setText(caption);
    ui->txtCode->setPlainText(code);

    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
    connectGuarded(ui->btnSelectedTextMacro, &QPushButton::clicked, this,
                   &ProcedurePropertiesWindow::btnSelectedTextMacroClick);
}

ProcedurePropertiesWindow::~ProcedurePropertiesWindow() = default;

QString ProcedurePropertiesWindow::caption() const
{
    return ui->txtCaption->text();
}

QString ProcedurePropertiesWindow::code() const
{
    return codeFieldText(*ui->txtCode);
}

void ProcedurePropertiesWindow::btnSelectedTextMacroClick()
{
    ui->txtCode->insertPlainText(QStringLiteral("%1"));
}

void ProcedurePropertiesWindow::btnOkClick()
{
    const QString refusal = captionRefusal(ui->txtCaption->text());
    if (refusal.isEmpty())
        return;
    Modal::refuse(this, refusal);
    keepOpen();
}
