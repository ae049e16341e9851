#pragma once

#include <QSpinBox>

// A whole number between a minimum and a maximum that changes only by the spin buttons, the
// arrow keys and the wheel: typing is switched off, so the value is always inside the bounds.
class ArrowSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit ArrowSpinBox(QWidget* parent = nullptr);
};
