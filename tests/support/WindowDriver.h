#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

// Clicks a window's push button found by its name, as a person would.
inline void click(QWidget& window, const char* name)
{
    window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}
