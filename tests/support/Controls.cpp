#include "support/Controls.h"

#include <QDialogButtonBox>
#include <QPushButton>

namespace {

bool takesTab(const QWidget& widget)
{
    return (widget.focusPolicy() & Qt::TabFocus) && widget.isEnabled() && !widget.isHidden() &&
           !widget.objectName().startsWith(QLatin1String("qt_"));
}

void clickStandard(const QWidget& window, QDialogButtonBox::StandardButton which,
                   const char* name)
{
    const auto* box = window.findChild<QDialogButtonBox*>();
    if (box && box->button(which))
        box->button(which)->click();
    else
        click(window, name);
}

} // namespace

void clickOk(const QWidget& window)
{
    clickStandard(window, QDialogButtonBox::Ok, "okButton");
}

void clickCancel(const QWidget& window)
{
    clickStandard(window, QDialogButtonBox::Cancel, "cancelButton");
}

QStringList tabOrder(QWidget* first, int count)
{
    QStringList order;
    QWidget* widget = first;
    for (int i = 0; i < count; ++i) {
        order.append(widget->objectName());
        do
            widget = widget->nextInFocusChain();
        while (!takesTab(*widget));
    }
    return order;
}
