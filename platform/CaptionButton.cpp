#include "platform/CaptionButton.h"

#include <QStyleOptionButton>

CaptionButton::CaptionButton(QWidget* parent) : QPushButton(parent)
{
}

// What the style's contents rectangle must hold, plus the band around it that the style keeps
// for the button's frame.
QSize CaptionButton::sizeHint() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QSize probe(1000, 1000);
    option.rect = QRect(QPoint(), probe);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QSize frame = probe - contents.size();
    const QFontMetrics metrics = fontMetrics();
    QSize caption(metrics.size(Qt::TextShowMnemonic, text()));
    if (!icon().isNull()) {
        // QPushButton's own room between the picture and the caption.
        caption.rwidth() += iconSize().width() + 4;
        caption.setHeight(qMax(caption.height(), iconSize().height()));
    }
    return caption + frame;
}

QSize CaptionButton::minimumSizeHint() const
{
    return sizeHint();
}
