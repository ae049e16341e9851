#pragma once

#include <QIcon>

// The small pictures of the program's glyph buttons, in one place so that every window shows
// the same picture for the same command.
enum class Glyph {
    Ok,
    Cancel,
    NewTag,
    NewCategory,
    NewCode,
    NewType,
    Edit,
    Remove,
    EditImages,
    ViewImages,
    SelectedTextMacro,
    NewLineMacro,
    Update,
    HtmlToolbar,
    Procedures,
    MimeTypes,
    Additional,
    Exit,
    Close,
};

QIcon glyphIcon(Glyph glyph);

// The program's own icon: the window titles, the about box and the desktop entry show it.
QIcon programIcon();
