#pragma once

#include <QByteArrayView>
#include <QString>

// The text between the (n-1)-th and the n-th delimiter, fields counted from 1. Empty fields
// count, a field past the last one is empty, nothing is trimmed. The delimiter is an ASCII
// character, so the text may be UTF-8 or any code page that keeps ASCII as it is.
QByteArrayView extractDelimited(int fieldNumber, QByteArrayView text, char delimiter);

// Every occurrence of search, scanned from the left, replaced; occurrences do not overlap and
// inserted text is not scanned again.
QString replaceAll(const QString& text, const QString& search, const QString& replacement);
