#include "support/Controls.h"

namespace {

bool takesTab(const QWidget& widget)
{
    return (widget.focusPolicy() & Qt::TabFocus) && widget.isEnabled() && !widget.isHidden() &&
           !widget.objectName().startsWith(QLatin1String("qt_"));
}

} // namespace

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
