#pragma once

#include "common/Modal.h"
#include "platform/PlacementStore.h"

#include <QDialog>
#include <QPoint>

#include <functional>
#include <memory>

class QAbstractButton;

// A fixed-size window with the life of the program's forms: a create handler that runs inside
// the error guard after construction, an OK button whose handler may refuse and keep the
// window open, a cancel button for Esc, and where the window first appears.
class Form : public QDialog
{
    Q_OBJECT

public:
    enum class Position { ScreenCenter, Designed };

    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Runs onCreate inside the error guard; a failure leaves the window with what it had done.
    void runCreateHandler();

    // Called by an OK handler that refuses the input: the window stays open.
    void keepOpen();

    // The frame that the window manager puts around a window like this one: that of the window
    // it opens over, as the window manager settled it. Nothing where windows have no frame the
    // program can know of (offscreen, Wayland).
    QMargins expectedFrameMargins() const;
    // Whether the program places its windows: Wayland leaves that to the compositor.
    static bool placesWindows();

protected:
    virtual void onCreate() {}

    // The button closes the window with the OK result once its handler ran through without an
    // error and without keepOpen(). It is the default button (Enter).
    void setOkButton(QAbstractButton* button, std::function<void()> handler = {});
    // The button and Esc close the window with the Cancel result. Without one, Esc does nothing.
    void setCancelButton(QAbstractButton* button);
    void keepPlacement(const QString& key, PlacementStore::Keeps keeps);
    // No close box either: only the window's own buttons close it.
    void removeTitleBarButtons();
    void setPosition(Position position, QPoint designed = {});

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void okClicked(const std::function<void()>& handler);
    void placeOnFirstShow();
    void placeFrameAt(QPoint frameTopLeft);
    void centreOnScreen();

    PlacementStore* m_storage = nullptr;
    Position m_position = Position::ScreenCenter;
    QPoint m_designedPosition;
    bool m_hasCancelButton = false;
    bool m_keepOpen = false;
    bool m_placed = false;
};

// The modal window protocol: create the window, run its create handler, show it modally,
// destroy it whatever it closed with. Returns the result.
template <class Window, class... Args> int showModalWindow(QWidget* owner, Args&&... args)
{
    Window window(owner, std::forward<Args>(args)...);
    window.runCreateHandler();
    return Modal::exec(window);
}

// True when the window closed with the OK result.
template <class Window, class... Args> bool showDialog(QWidget* owner, Args&&... args)
{
    return showModalWindow<Window>(owner, std::forward<Args>(args)...) == QDialog::Accepted;
}
