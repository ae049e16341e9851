#include "common/WholeTextDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

bool WholeTextDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                  const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle* style = view ? view->style() : item.widget->style();
    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
    // The style keeps a margin inside the text's room on each side.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &item, view) + 1;
    if (item.fontMetrics.horizontalAdvance(item.text) + 2 * margin <= room.width()) {
        QToolTip::hideText();
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString note = index.data(Qt::ToolTipRole).toString();
    QToolTip::showText(event->globalPos(),
                       note.isEmpty() ? item.text : item.text + QLatin1Char('\n') + note, view,
                       view->visualRect(index));
    return true;
}
