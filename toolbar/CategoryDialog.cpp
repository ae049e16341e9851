#include "toolbar/CategoryDialog.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "toolbar/ImageIndexChooser.h"
#include "ui_CategoryDialog.h"

#include <QPushButton>

CategoryDialog::CategoryDialog(QWidget* parent, const ToolbarCategory& category, ImageList& images)
    : QDialog(parent), ui(std::make_unique<Ui::CategoryDialog>()), m_category(category)
{
    ui->setupUi(this);
    setDialogFrame(*this);
    WindowSizing::fitToFont(*this);
    WindowSizing::letGrowInWidth(*this);
    WindowPlacement::centreOnScreen(this);
    setButtonBoxGlyphs(*ui->buttonBox);
    m_imageChooser = new ImageIndexChooser(ui->imageIndexSpin, ui->imageView,
                                           ui->enlargedImageView, images);
    ui->captionEdit->setText(category.caption());
    m_imageChooser->setImageIndex(category.image());
    ui->buttonBox->button(QDialogButtonBox::Ok)->setFocus();
}

CategoryDialog::~CategoryDialog() = default;

std::optional<ToolbarCategory>
CategoryDialog::edit(QWidget* parent, const ToolbarCategory& category, ImageList& images)
{
    CategoryDialog dialog(parent, category, images);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.category();
}

ToolbarCategory CategoryDialog::category() const
{
    return m_category.withCaptionAndImage(ui->captionEdit->text(), m_imageChooser->imageIndex());
}

void CategoryDialog::accept()
{
    const QString refusal = refusalFor(category());
    if (!refusal.isEmpty()) {
        Modal::refuse(this, refusal);
        return;
    }
    QDialog::accept();
}
