#include "mime/MimeTypePropertiesWindowUnit.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "ui_MimeTypePropertiesWindowUnit.h"

namespace {

// The labels stand in the narrow room left of the fields; a font wider than the one they were
// laid out for is condensed until the caption shows whole.
void fitCaption(QLabel& label)
{
    QFont font = label.font();
    for (int stretch = 100; stretch >= 75; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(label.text()) <= label.width())
            break;
    }
    label.setFont(font);
}

} // namespace

MimeTypePropertiesWindow::MimeTypePropertiesWindow(QWidget* parent)
    : Form(parent), ui(std::make_unique<Ui::MimeTypePropertiesWindow>())
{
    ui->setupUi(this);
    for (QLabel* label : {ui->Label1, ui->Label2, ui->Label3})
        fitCaption(*label);
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    setOkButton(ui->btnOk);
    setCancelButton(ui->btnCancel);
}

MimeTypePropertiesWindow::~MimeTypePropertiesWindow() = default;

std::optional<MimeType> MimeTypePropertiesWindow::ask(QWidget* owner, const MimeType& shown)
{
    MimeTypePropertiesWindow window(owner);
    window.runCreateHandler();
    window.setFields(shown);
    if (Modal::exec(window) != QDialog::Accepted)
        return std::nullopt;
    return window.fields();
}

MimeType MimeTypePropertiesWindow::fields() const
{
    return MimeType{DocumentText(ui->txtMIMEType->text()), DocumentText(ui->txtSuffix->text())};
}

void MimeTypePropertiesWindow::setFields(const MimeType& shown)
{
    ui->txtMIMEType->setText(shown.type.toString());
    ui->txtSuffix->setText(shown.suffix.toString());
}
