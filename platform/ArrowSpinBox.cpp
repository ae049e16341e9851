#include "platform/ArrowSpinBox.h"

#include <QLineEdit>

ArrowSpinBox::ArrowSpinBox(QWidget* parent) : QSpinBox(parent)
{
    // QSpinBox::setReadOnly would stop the arrows too; only the text is made read-only.
    lineEdit()->setReadOnly(true);
}
