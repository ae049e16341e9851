#include "maintenance/AboutDialog.h"

#include "common/Glyphs.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "ui_AboutDialog.h"

#include <QPushButton>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::AboutDialog>())
{
    ui->setupUi(this);
    setDialogFrame(*this);
    WindowSizing::fitToFont(*this);
    WindowPlacement::centreOnScreen(this);
    keepOpenOnEscape(*this);
    ui->programIcon->setPixmap(programIcon().pixmap(32, 32));
    ui->buttonBox->button(QDialogButtonBox::Ok)->setFocus();
}

AboutDialog::~AboutDialog() = default;
