#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QString>
#include <QStringList>
#include <QWidget>

// A window's control by its objectName; a missing one ends the test run, since every check
// after it would fail for that one reason.
template <class Widget = QWidget> Widget* control(const QWidget& window, const QString& name)
{
    auto* found = window.findChild<Widget*>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window.objectName()));
    return found;
}

// A window's command by the text of its menu entry; nothing when it has none.
inline QAction* command(const QWidget& window, const QString& text)
{
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Clicks a window's button found by its name, as a person would.
inline void click(const QWidget& window, const char* name)
{
    control<QAbstractButton>(window, QString::fromLatin1(name))->click();
}

// Clicks a window's OK or Cancel: in its button box, or the button of that name.
void clickOk(const QWidget& window);
void clickCancel(const QWidget& window);

// Where a button or label draws its caption, or a field its line, is too small for it: what is
// cut or hidden, described; empty when nothing is.
QString cutCaption(const QWidget& widget);
