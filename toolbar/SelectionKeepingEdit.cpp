#include "toolbar/SelectionKeepingEdit.h"

SelectionKeepingEdit::SelectionKeepingEdit(QWidget* parent) : QLineEdit(parent)
{
}

void SelectionKeepingEdit::focusOutEvent(QFocusEvent* event)
{
    const int start = selectionStart();
    const int length = selectedText().size();
    const bool caretAtStart = cursorPosition() == start;
    QLineEdit::focusOutEvent(event);
    if (start < 0)
        return;
    // A negative length selects backwards and leaves the caret where the user left it.
    if (caretAtStart)
        setSelection(start + length, -length);
    else
        setSelection(start, length);
}
