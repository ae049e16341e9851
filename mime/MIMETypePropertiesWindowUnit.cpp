#include "mime/MIMETypePropertiesWindowUnit.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "ui_MIMETypePropertiesWindowUnit.h"

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

TMIMETypePropertiesWindow::TMIMETypePropertiesWindow(QWidget* parent)
    : TForm(parent), ui(std::make_unique<Ui::TMIMETypePropertiesWindow>())
{
    ui->setupUi(this);
    for (QLabel* label : {ui->Label1, ui->Label2, ui->Label3})
        fitCaption(*label);
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    setOkButton(ui->btnOk);
    setCancelButton(ui->btnCancel);
}

TMIMETypePropertiesWindow::~TMIMETypePropertiesWindow() = default;

std::optional<MimeType> TMIMETypePropertiesWindow::ask(QWidget* owner, const MimeType& shown)
{
    TMIMETypePropertiesWindow window(owner);
    window.Create();
    window.setFields(shown);
    if (Modal::exec(window) != QDialog::Accepted)
        return std::nullopt;
    return window.fields();
}

MimeType TMIMETypePropertiesWindow::fields() const
{
    return MimeType{ui->txtMIMEType->text(), ui->txtSuffix->text()};
}

void TMIMETypePropertiesWindow::setFields(const MimeType& shown)
{
    ui->txtMIMEType->setText(shown.type);
    ui->txtSuffix->setText(shown.suffix);
}
