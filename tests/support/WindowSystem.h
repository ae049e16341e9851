#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

// Where the X window system, not Qt, says a window is: its client area and the frame that the
// window manager put around it (from xwininfo and the window's _NET_FRAME_EXTENTS).
struct OnScreen
{
    QRect client;
    QRect frame;

    friend bool operator==(const OnScreen&, const OnScreen&) = default;
};

// Waits until the window is mapped and framed; nothing if it never is.
std::optional<OnScreen> waitUntilFramed(const QWidget& window, int milliseconds = 5000);
// Moves the window's client area to the point, as a person dragging it would; false when Qt
// never heard of the move.
bool moveOnScreen(const QWidget& window, QPoint clientTopLeft);

char* toString(const OnScreen& placed);
