#pragma once

#include <QPushButton>

// A push button that asks for the room its caption and picture take, and no more: the style's
// own hint adds padding (and, in Fusion, a width of at least 80 pixels) that the windows'
// designed sizes leave no room for. A window gives each button its designed size as its minimum,
// so a longer caption, as in a translation, widens the button and its window.
class CaptionButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CaptionButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
