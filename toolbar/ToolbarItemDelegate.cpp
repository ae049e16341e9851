#include "toolbar/ToolbarItemDelegate.h"

#include "toolbar/ImageList.h"
#include "toolbar/ToolbarFile.h"

ToolbarItemDelegate::ToolbarItemDelegate(const ImageList& images, QObject* parent)
    : QStyledItemDelegate(parent), m_images(images)
{
}

void ToolbarItemDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = QSize(ImageList::imageSize, ImageList::imageSize);
    option->icon = m_images.icon(index.data(ImageIndexRole).toInt());
}
