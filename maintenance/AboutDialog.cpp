#include "maintenance/AboutDialog.h"

#include "common/Glyphs.h"
#include "common/WindowPlacement.h"
#include "ui_AboutDialog.h"

#include <QKeyEvent>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::AboutDialog>())
{
    ui->setupUi(this);
    setDialogFrame(*this);
    WindowPlacement::centreOnScreen(this);
    ui->programIcon->setPixmap(programIcon().pixmap(32, 32));
    ui->buttonBox->button(QDialogButtonBox::Ok)->setFocus();
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
