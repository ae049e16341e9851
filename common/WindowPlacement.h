#pragma once

#include "platform/PlacementStore.h"

#include <QMargins>
#include <QObject>
#include <QPoint>

class QWidget;

// Where a window first appears on screen, and, for the larger windows, where it is kept between
// runs: restored when it first shows, saved when it hides. Placed in the show event, before
// QDialog's own handling, which would otherwise centre the window over its parent.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    // The placement kept under key, or the centre of the screen when none is.
    static void keep(QWidget* window, const QString& key, PlacementStore::Keeps keeps);
    static void centreOnScreen(QWidget* window);
    // The window's frame at a point of the screen.
    static void placeFrameAt(QWidget* window, QPoint frameTopLeft);

    // The frame that the window manager puts around a window like this one: that of the window
    // it opens over, as the window manager settled it. Nothing where windows have no frame the
    // program can know of (offscreen, Wayland).
    static QMargins expectedFrameMargins(const QWidget& window);
    // Whether the program places its windows: Wayland leaves that to the compositor.
    static bool placesWindows();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowPlacement(QWidget* window, PlacementStore* store, std::optional<QPoint> frameTopLeft);
    void placeOnFirstShow();

    QWidget* m_window;
    PlacementStore* m_store;
    std::optional<QPoint> m_frameTopLeft;
    bool m_placed = false;
};

// The frames of the program's windows: fixed-size dialogs, with a close box but nothing to
// minimise or maximise; or, where only the window's own buttons may close it, with a title
// alone.
void setDialogFrame(QWidget& window);
void setFrameWithoutButtons(QWidget& window);

// For a window without a Cancel button: Esc leaves it open, as only its own buttons (and, where
// it has one, the close box) close it.
void keepOpenOnEscape(QWidget& window);
