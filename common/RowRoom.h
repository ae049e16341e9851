#pragma once

#include <QtGlobal>

// A view keeps a few bytes for each row it shows (a header section, a tree item), taken inside
// Qt, where running out of memory ends the program. The room is asked for before a document is
// handed out, so that one too large to show fails where it can still be reported. Throws
// std::bad_alloc when there is none.
void requireRoomForRows(qsizetype rows);
