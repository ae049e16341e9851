#include "toolbar/CategoryProperiesWindowUnit.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "toolbar/ImageIndexChooser.h"
#include "ui_CategoryProperiesWindowUnit.h"

TCategoryProperiesWindow::TCategoryProperiesWindow(QWidget* parent, const ImageList& images)
    : TForm(parent), ui(std::make_unique<Ui::TCategoryProperiesWindow>())
{
    ui->setupUi(this);
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    imageChooser =
        new ImageIndexChooser(ui->spnImageIndex, ui->imgChosen, ui->imgChosenEnlarged, images);

    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
}

TCategoryProperiesWindow::~TCategoryProperiesWindow() = default;

void TCategoryProperiesWindow::setFields(const CategoryFields& fields)
{
    ui->txtCaption->setText(fields.caption);
    imageChooser->setImageIndex(fields.imageIndex);
}

CategoryFields TCategoryProperiesWindow::fields() const
{
    return {ui->txtCaption->text(), imageChooser->imageIndex()};
}

void TCategoryProperiesWindow::btnOkClick()
{
    if (ui->txtCaption->text().contains(QLatin1Char(':'))) {
        Modal::refuse(this, QStringLiteral("Invalid char \":\" in caption"));
        keepOpen();
    }
}
