#pragma once

#include <QStringList>
#include <QWidget>

// A window's control by its name; a missing one ends the test run, since every check after it
// would fail for that one reason.
template <class Widget> Widget* child(QWidget& window, const char* name)
{
    auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The names of the controls that Tab visits, from first on.
inline QStringList tabOrder(QWidget* first, int count)
{
    QStringList order;
    QWidget* widget = first;
    for (int i = 0; i < count; ++i) {
        order.append(widget->objectName());
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible());
    }
    return order;
}
