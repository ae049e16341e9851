#pragma once

#include <QFont>
#include <QString>

class QPlainTextEdit;

// "Courier New" where it is installed, else the system's fixed-pitch font, so that indented
// code stays aligned.
QFont codeFont(const QFont& windowFont);

// A multi-line code field: the code font, no wrapping, both scroll bars, Tab moves the focus.
void setUpCodeField(QPlainTextEdit& field);

// Every line break of the text as CR LF: lone CR, lone LF and the paragraph and line
// separators that a text document uses.
QString withCrLfBreaks(QStringView text);

// The field's text in window form, line breaks as CR LF whichever way they were typed.
QString codeFieldText(const QPlainTextEdit& field);
