#include "maintenance/AboutWindowUnit.h"

#include "common/Glyphs.h"
#include "ui_AboutWindowUnit.h"

AboutWindow::AboutWindow(QWidget* parent) : Form(parent), ui(std::make_unique<Ui::AboutWindow>())
{
    ui->setupUi(this);
    ui->ProgramIcon->setPixmap(programIcon().pixmap(32, 32));
    setOkButton(ui->OKButton);
    ui->OKButton->setFocus();
}

AboutWindow::~AboutWindow() = default;
