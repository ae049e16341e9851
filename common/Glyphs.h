#pragma once

#include "common/GlyphList.h"

#include <QIcon>

// The small pictures of the program's glyph buttons, in one place so that every window shows
// the same picture for the same command.
enum class Glyph {
#define HALVEX_GLYPH_NAME(name, file) name,
    HALVEX_EVERY_GLYPH(HALVEX_GLYPH_NAME)
#undef HALVEX_GLYPH_NAME
};

// Every glyph with its picture's file name, as common/icons/glyphs.txt lists them.
struct GlyphFile
{
    Glyph glyph;
    const char* file;
};
inline constexpr GlyphFile everyGlyph[] = {
#define HALVEX_GLYPH_FILE(name, file) {Glyph::name, file},
    HALVEX_EVERY_GLYPH(HALVEX_GLYPH_FILE)
#undef HALVEX_GLYPH_FILE
};

QIcon glyphIcon(Glyph glyph);

class QDialogButtonBox;
// The program's pictures on a button box's OK and Cancel buttons, as on every other window's.
void setButtonBoxGlyphs(QDialogButtonBox& box);

// The program's own icon: the window titles, the about box and the desktop entry show it.
QIcon programIcon();
