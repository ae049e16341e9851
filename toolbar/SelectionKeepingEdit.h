#pragma once

#include <QLineEdit>

// A one-line edit that keeps its caret and selection when it loses the focus (QLineEdit drops
// the selection then), so that a button can still replace what the user selected in it.
class SelectionKeepingEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit SelectionKeepingEdit(QWidget* parent = nullptr);

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
