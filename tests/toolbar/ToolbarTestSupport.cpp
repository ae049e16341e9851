#include "ToolbarTestSupport.h"

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

QColor stripColour(int index, int variant)
{
    // Through QRgb, so that it compares equal to a pixel read back from an 8-bit picture.
    return QColor(
        QColor::fromHsv((index * 37 + variant * 150) % 360, 200, 120 + variant * 100).rgb());
}

QImage testStrip(int width, int height, int variant)
{
    QImage strip(width, height, QImage::Format_RGB32);
    strip.fill(Qt::white);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < std::min(height, 16); ++y)
            strip.setPixelColor(x, y, stripColour(x / 16, variant));
    }
    return strip;
}

void writeStrip(const QString& path, int width, int height, int variant, const char* format)
{
    if (!testStrip(width, height, variant).save(path, format))
        QTest::qFail(qPrintable(QStringLiteral("cannot write strip ") + path), __FILE__, __LINE__);
}

QString geometryOf(const QWidget& widget)
{
    const QRect r = widget.geometry();
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool captionFits(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const int iconWidth = button.icon().isNull() ? 0 : option.iconSize.width() + 4;
    return iconWidth + button.fontMetrics().horizontalAdvance(button.text()) <= contents.width() &&
           button.fontMetrics().height() <= contents.height();
}
