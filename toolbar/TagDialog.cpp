#include "toolbar/TagDialog.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "toolbar/ImageIndexChooser.h"
#include "ui_TagDialog.h"

TagDialog::TagDialog(QWidget* parent, const ToolbarTag& tag, ImageList& images)
    : QDialog(parent), ui(std::make_unique<Ui::TagDialog>())
{
    ui->setupUi(this);
    setDialogFrame(*this);
    WindowSizing::fitToFont(*this);
    WindowSizing::letGrowInWidth(*this);
    WindowPlacement::centreOnScreen(this);
    ui->selectedTextButton->setIcon(glyphIcon(Glyph::SelectedTextMacro));
    ui->newLineButton->setIcon(glyphIcon(Glyph::NewLineMacro));
    setButtonBoxGlyphs(*ui->buttonBox);
    m_imageChooser = new ImageIndexChooser(ui->imageIndexSpin, ui->imageView,
                                           ui->enlargedImageView, images);
    connect(ui->selectedTextButton, &QPushButton::clicked, this,
            &TagDialog::insertSelectedTextMacro);
    connect(ui->newLineButton, &QPushButton::clicked, this, &TagDialog::insertNewLineMacro);
    ui->captionEdit->setText(tag.caption());
    ui->tagEdit->setText(tag.tag());
    m_imageChooser->setImageIndex(tag.image());
}

TagDialog::~TagDialog() = default;

std::optional<ToolbarTag> TagDialog::edit(QWidget* parent, const ToolbarTag& tag, ImageList& images)
{
    TagDialog dialog(parent, tag, images);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.tag();
}

ToolbarTag TagDialog::tag() const
{
    return ToolbarTag(ui->captionEdit->text(), ui->tagEdit->text(), m_imageChooser->imageIndex());
}

void TagDialog::accept()
{
    const QString refusal = refusalFor(tag());
    if (!refusal.isEmpty()) {
        Modal::refuse(this, refusal);
        return;
    }
    QDialog::accept();
}

void TagDialog::insertSelectedTextMacro()
{
    ui->tagEdit->insert(QStringLiteral("%1"));
}

void TagDialog::insertNewLineMacro()
{
    ui->tagEdit->insert(QStringLiteral("%2"));
}
