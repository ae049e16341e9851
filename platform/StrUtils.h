#pragma once

#include <QString>

// The text between the (n-1)-th and the n-th delimiter, fields counted from 1. Empty fields
// count, a field past the last one is empty, nothing is trimmed.
QString extractDelimited(int fieldNumber, const QString& text, const QString& delimiters);
// The same field as a view into text, for readers of many lines.
QStringView extractDelimitedView(int fieldNumber, QStringView text, QStringView delimiters);

// Every occurrence of search, scanned from the left, replaced; occurrences do not overlap and
// inserted text is not scanned again.
QString replaceAll(const QString& text, const QString& search, const QString& replacement);
