#include "common/WindowSizing.h"

#include <QDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr double designedPixelSize = 11.0;

// A label without a caption shows a picture, drawn pixel for pixel.
bool isPicture(const QWidget& widget)
{
    const auto* label = qobject_cast<const QLabel*>(&widget);
    return label && label->text().isEmpty();
}

int scaledLength(int designed, double scale)
{
    return designed >= QWIDGETSIZE_MAX ? designed : int(std::lround(designed * scale));
}

QSize scaledSize(QSize designed, double scale)
{
    return {scaledLength(designed.width(), scale), scaledLength(designed.height(), scale)};
}

void scaleSpacers(QLayout& layout, double scale)
{
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (QSpacerItem* spacer = item->spacerItem()) {
            const QSize size = scaledSize(spacer->sizeHint(), scale);
            const QSizePolicy policy = spacer->sizePolicy();
            spacer->changeSize(size.width(), size.height(), policy.horizontalPolicy(),
                               policy.verticalPolicy());
        } else if (QLayout* inner = item->layout()) {
            scaleSpacers(*inner, scale);
        }
    }
    layout.invalidate();
}

// Windows managed by a window manager get their resizing border from it: X11 and Wayland
// desktops, Windows and macOS. Elsewhere (a bare frame buffer, a VNC server) the window gives one.
bool windowManagerResizes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")) ||
           platform == QLatin1String("windows") || platform == QLatin1String("cocoa");
}

} // namespace

namespace WindowSizing {

double fontScale(const QWidget& widget)
{
    return std::max(1.0, QFontInfo(widget.font()).pixelSize() / designedPixelSize);
}

int scaled(const QWidget& widget, int designed)
{
    return scaledLength(designed, fontScale(widget));
}

void fitToFont(QWidget& window)
{
    const double scale = fontScale(window);
    if (scale == 1.0)
        return;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : std::as_const(widgets)) {
        if (!isPicture(*widget)) {
            widget->setMinimumSize(scaledSize(widget->minimumSize(), scale));
            widget->setMaximumSize(scaledSize(widget->maximumSize(), scale));
        }
        if (QLayout* layout = widget->layout())
            scaleSpacers(*layout, scale);
    }
}

void letGrow(QDialog& window)
{
    if (QLayout* layout = window.layout())
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    window.setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
    window.setSizeGripEnabled(!windowManagerResizes());
}

void letGrowInWidth(QDialog& window)
{
    letGrow(window);
    if (QLayout* layout = window.layout())
        layout->activate();
    window.setMaximumHeight(window.sizeHint().height());
}

} // namespace WindowSizing
