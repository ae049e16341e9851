#include "toolbar/UpdateImagesWindowUnit.h"

#include "common/Glyphs.h"
#include "ui_UpdateImagesWindowUnit.h"

UpdateImagesWindow::UpdateImagesWindow(QWidget* parent)
    : Form(parent), ui(std::make_unique<Ui::UpdateImagesWindow>())
{
    ui->setupUi(this);
    removeTitleBarButtons();
    setPosition(Position::Designed, QPoint(205, 121));
    QFont labelFont = ui->Label1->font();
    labelFont.setPixelSize(16);
    ui->Label1->setFont(labelFont);
    ui->btnUpdate->setIcon(glyphIcon(Glyph::Update));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));

    setOkButton(ui->btnUpdate);
    setCancelButton(ui->btnCancel);
}

UpdateImagesWindow::~UpdateImagesWindow() = default;
