#pragma once

#include <QString>

// A text of the user's or of a file, quoted in a message or an undo step: cut to a readable
// length with "…", so that a very long line neither floods a message box nor slows it down.
inline QString quotedText(QStringView text, qsizetype shown = 60)
{
    QString quoted = QStringLiteral("\"");
    quoted += text.left(shown);
    if (text.size() > shown)
        quoted += QChar(0x2026);
    return quoted + QLatin1Char('"');
}
