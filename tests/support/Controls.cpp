#include "support/Controls.h"

#include <QAbstractSpinBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

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

QString cutCaption(const QWidget& widget)
{
    const QFontMetrics metrics = widget.fontMetrics();
    QSize needed;
    QRect room;
    QString text;
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        text = button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        if (button->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (button->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        needed = metrics.size(Qt::TextShowMnemonic, text);
        if (!button->icon().isNull()) {
            // QPushButton's own room between the picture and the caption.
            needed.rwidth() += button->iconSize().width() + 4;
            needed.setHeight(std::max(needed.height(), button->iconSize().height()));
        }
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        text = label->text();
        room = label->contentsRect();
        needed =
            label->wordWrap()
                ? metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), text).size()
                : metrics.size(Qt::TextShowMnemonic, text);
    }
    const bool field =
        qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget);
    if (field && !qobject_cast<const QAbstractSpinBox*>(widget.parentWidget())) {
        // A field's text is cut when the field inside its frame is lower than a line of text.
        const int frame = widget.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        text = widget.objectName();
        room = widget.rect().adjusted(frame, frame, -frame, -frame);
        needed = QSize(0, metrics.height());
    }
    if (text.isEmpty() || (needed.width() <= room.width() && needed.height() <= room.height()))
        return {};
    return QStringLiteral("\"%1\" needs %2x%3 in %4x%5")
        .arg(text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

