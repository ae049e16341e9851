#pragma once

class QDialog;
class QWidget;

// How a window's size follows the desktop's font and its user. The forms give their controls
// sizes designed for 11-pixel text: at the desktop's font those sizes grow in proportion, never
// below what they were designed at, so that every caption keeps its room.
namespace WindowSizing {

// How much larger than 11 pixels the widget's text is; 1 at 11 pixels or less.
double fontScale(const QWidget& widget);
// A length designed for 11-pixel text, at the widget's font.
int scaled(const QWidget& widget, int designed);

// Scales the sizes that the window's form gives its controls and its fixed spacers to the
// window's font. Pictures keep their pixels.
void fitToFont(QWidget& window);

// The user may make the window larger than it opens, its list or tree taking the room, but not
// smaller; where no window manager frames windows, a size grip in its corner does it.
void letGrow(QDialog& window);
// As letGrow, in width only: the fields take it.
void letGrowInWidth(QDialog& window);

} // namespace WindowSizing
