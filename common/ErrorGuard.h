#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs a handler; an error that escapes it is shown in an error box over owner and goes no
// further, so the event loop carries on. Returns whether the handler ran to its end.
bool runGuarded(QWidget* owner, const std::function<void()>& handler);

// Connects a signal to a window's handler (a member function without arguments) so that the
// handler runs inside the guard.
template <class Sender, class Signal, class Form>
void connectGuarded(Sender* sender, Signal signal, Form* form, void (Form::*handler)())
{
    QObject::connect(sender, signal, form, [form, handler] {
        runGuarded(form, [form, handler] { (form->*handler)(); });
    });
}
