#pragma once

#include <QIcon>

class QPainter;

// The small pictures of the program's glyph buttons, in one place so that every window shows
// the same picture for the same command.
enum class Glyph {
    Ok,
    Cancel,
    NewItem,
    NewGroup,
    Edit,
    Remove,
    EditImages,
    ViewImages,
    Macro,
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
void paintProgramIcon(QPainter& painter, int size);
