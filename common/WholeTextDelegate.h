#pragma once

#include <QStyledItemDelegate>

// A node's text cut short by its column ends in "…", and its tooltip shows it whole: the lists
// fit their window rather than scroll sideways a row at a time.
class WholeTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};
