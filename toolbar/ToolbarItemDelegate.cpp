#include "toolbar/ToolbarItemDelegate.h"

#include "toolbar/ImageList.h"
#include "toolbar/ToolbarModel.h"

#include <QPainter>

ToolbarItemDelegate::ToolbarItemDelegate(const ImageList& images, QObject* parent)
    : WholeTextDelegate(parent), m_images(images)
{
}

void ToolbarItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    const QStyle::State hot = QStyle::State_MouseOver | QStyle::State_Enabled;
    if ((option.state & hot) == hot && !(option.state & QStyle::State_Selected)) {
        QColor light = option.palette.color(QPalette::Highlight);
        light.setAlpha(48);
        painter->fillRect(option.rect, light);
    }
    QStyledItemDelegate::paint(painter, option, index);
}

void ToolbarItemDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = QSize(ImageList::imageSize, ImageList::imageSize);
    option->icon = m_images.icon(index.data(ToolbarModel::ImageIndexRole).toInt());
}
