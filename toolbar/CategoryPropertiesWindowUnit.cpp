#include "toolbar/CategoryPropertiesWindowUnit.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "toolbar/ImageIndexChooser.h"
#include "ui_CategoryPropertiesWindowUnit.h"

CategoryPropertiesWindow::CategoryPropertiesWindow(QWidget* parent, const ImageList& images)
    : Form(parent), ui(std::make_unique<Ui::CategoryPropertiesWindow>())
{
    ui->setupUi(this);
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    m_imageChooser =
        new ImageIndexChooser(ui->spnImageIndex, ui->imgChosen, ui->imgChosenEnlarged, images);

    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
}

CategoryPropertiesWindow::~CategoryPropertiesWindow() = default;

void CategoryPropertiesWindow::setFields(const CategoryFields& fields)
{
    ui->txtCaption->setText(fields.caption);
    m_imageChooser->setImageIndex(fields.imageIndex);
}

CategoryFields CategoryPropertiesWindow::fields() const
{
    return {ui->txtCaption->text(), m_imageChooser->imageIndex()};
}

void CategoryPropertiesWindow::btnOkClick()
{
    if (ui->txtCaption->text().contains(QLatin1Char(':'))) {
        Modal::refuse(this, tr("Invalid char \":\" in caption"));
        keepOpen();
    }
}
