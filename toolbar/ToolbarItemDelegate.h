#pragma once

#include "common/WholeTextDelegate.h"

class ImageList;

// Draws each node of the toolbar tree with its image from the list, taken at paint time, so
// that a refilled list shows at the next repaint and a large tree needs no picture per node.
// Every node keeps room for an image; a node whose index lies outside the list shows none. The
// node under the mouse is lit, which not every style does by itself.
class ToolbarItemDelegate : public WholeTextDelegate
{
    Q_OBJECT

public:
    ToolbarItemDelegate(const ImageList& images, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    const ImageList& m_images;
};
