#include "toolbar/UpdateGlyphsWindowUnit.h"

#include "common/Glyphs.h"
#include "ui_UpdateGlyphsWindowUnit.h"

TUpdateGlyphsWindow::TUpdateGlyphsWindow(QWidget* parent)
    : TForm(parent), ui(std::make_unique<Ui::TUpdateGlyphsWindow>())
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

TUpdateGlyphsWindow::~TUpdateGlyphsWindow() = default;
