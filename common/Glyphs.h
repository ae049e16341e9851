#pragma once

#include <QIcon>

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
