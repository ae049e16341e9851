#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QString>

#include <functional>

class QWidget;

// Runs a handler; an error that escapes it is shown in an error box over owner, with the note
// after it if one is given, and goes no further, so the event loop carries on. Returns whether
// the handler ran to its end.
bool runGuarded(QWidget* owner, const std::function<void()>& handler,
                const QString& noteOnError = {});

// Shows an error in an error box over owner, or over the nearest of its parents that is on
// screen: a window that is still being made is not.
void reportError(QWidget* owner, const QString& message);

// Connects a button to a window's slot so that the slot runs inside the guard.
template <class Window>
void connectGuarded(QAbstractButton* button, Window* window, void (Window::*slot)())
{
    QObject::connect(button, &QAbstractButton::clicked, window,
                     [window, slot] { runGuarded(window, [window, slot] { (window->*slot)(); }); });
}

// The program's application: every event it hands out runs inside the guard, so that an error
// escaping a handler that has no guard of its own (a find bar's letter, a view's paint) is shown
// over the window it came from, and that window stays open with its edits. No error reaches
// Qt's event loop.
class GuardedApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
