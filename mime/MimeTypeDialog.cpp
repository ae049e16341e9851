#include "mime/MimeTypeDialog.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "ui_MimeTypeDialog.h"

#include <QPushButton>

MimeTypeDialog::MimeTypeDialog(QWidget* parent, const MimeType& type)
    : QDialog(parent), ui(std::make_unique<Ui::MimeTypeDialog>())
{
    ui->setupUi(this);
    setDialogFrame(*this);
    WindowSizing::fitToFont(*this);
    WindowSizing::letGrowInWidth(*this);
    WindowPlacement::centreOnScreen(this);
    setButtonBoxGlyphs(*ui->buttonBox);
    ui->mimeTypeEdit->setText(type.type());
    ui->suffixEdit->setText(type.suffix());
    ui->buttonBox->button(QDialogButtonBox::Ok)->setFocus();
}

MimeTypeDialog::~MimeTypeDialog() = default;

std::optional<MimeType> MimeTypeDialog::edit(QWidget* parent, const MimeType& type)
{
    MimeTypeDialog dialog(parent, type);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.type();
}

MimeType MimeTypeDialog::type() const
{
    return MimeType(ui->mimeTypeEdit->text(), ui->suffixEdit->text());
}

void MimeTypeDialog::accept()
{
    const QString refusal = refusalFor(type());
    if (!refusal.isEmpty()) {
        Modal::refuse(this, refusal);
        return;
    }
    QDialog::accept();
}
