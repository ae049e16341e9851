#include "maintenance/AboutWindowUnit.h"

#include "common/Glyphs.h"
#include "ui_AboutWindowUnit.h"

TAboutWindow::TAboutWindow(QWidget* parent)
    : TForm(parent), ui(std::make_unique<Ui::TAboutWindow>())
{
    ui->setupUi(this);
    ui->ProgramIcon->setPixmap(programIcon().pixmap(32, 32));
    setOkButton(ui->OKButton);
    ui->OKButton->setFocus();
}

TAboutWindow::~TAboutWindow() = default;
