#include "common/Glyphs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <QStyle>
#include <QStyleOption>

#include <iterator>

namespace {

const char* fileName(Glyph glyph)
{
    for (const GlyphFile& entry : everyGlyph) {
        if (entry.glyph == glyph)
            return entry.file;
    }
    return "";
}

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Button).lightness() < 128;
}

// The pictures are drawn for a light button: on a dark one their black and dark lines would
// vanish, so each gets a thin outline in the button's text colour, in the room around it.
QPixmap outlined(const QPixmap& picture, QColor outline)
{
    const QImage shape = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage drawn(shape.size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    outline.setAlpha(160);
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < shape.width() && y < shape.height() &&
               qAlpha(shape.pixel(x, y)) > 128;
    };
    for (int y = 0; y < shape.height(); ++y) {
        for (int x = 0; x < shape.width(); ++x) {
            const bool touches =
                opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1);
            if (!opaque(x, y) && touches)
                drawn.setPixelColor(x, y, outline);
        }
    }
    QPainter(&drawn).drawImage(0, 0, shape);
    QPixmap result = QPixmap::fromImage(drawn);
    result.setDevicePixelRatio(picture.devicePixelRatio());
    return result;
}

// Reads a size of a picture from the resources only when it is first drawn. QIcon's own file
// loading would first look for icon engine plugins, which alone costs the start window a good
// part of its start-up time.
class ResourceIconEngine : public QIconEngine
{
public:
    ResourceIconEngine(QString name, QList<int> sizes)
        : m_name(std::move(name)), m_sizes(std::move(sizes))
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap picture = loaded(bestSize(qMax(size.width(), size.height())));
        if (picture.width() > size.width() || picture.height() > size.height())
            picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (isDark(QGuiApplication::palette()))
            picture = outlined(picture, QGuiApplication::palette().color(QPalette::ButtonText));
        if (mode != QIcon::Disabled)
            return picture;
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), picture);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int best = bestSize(qMax(size.width(), size.height()));
        return best >= qMax(size.width(), size.height()) ? size : QSize(best, best);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int size : m_sizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine* clone() const override { return new ResourceIconEngine(*this); }
    QString key() const override { return QStringLiteral("halvex-resource"); }

private:
    // The smallest size that covers the wanted one, else the largest there is.
    int bestSize(int wanted) const
    {
        for (const int size : m_sizes) {
            if (size >= wanted)
                return size;
        }
        return m_sizes.last();
    }

    const QPixmap& loaded(int size)
    {
        auto found = m_loaded.find(size);
        if (found == m_loaded.end())
            found = m_loaded.insert(
                size, QPixmap(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(m_name), "PNG"));
        return *found;
    }

    QString m_name;
    QList<int> m_sizes;
    QHash<int, QPixmap> m_loaded;
};

template <std::size_t count> QIcon loadIcon(const QString& name, const int (&sizes)[count])
{
    return QIcon(new ResourceIconEngine(name, QList<int>(std::begin(sizes), std::end(sizes))));
}

} // namespace

// One icon per glyph for the whole run, so that every button of a command shares its pixmaps.
QIcon glyphIcon(Glyph glyph)
{
    static QHash<Glyph, QIcon> icons;
    auto found = icons.constFind(glyph);
    if (found == icons.constEnd())
        found = icons.insert(glyph, loadIcon(QString::fromLatin1(fileName(glyph)), glyphSizes));
    return *found;
}

QIcon programIcon()
{
    static const QIcon icon = loadIcon(QStringLiteral("halvex-config"), programIconSizes);
    return icon;
}

void setButtonBoxGlyphs(QDialogButtonBox& box)
{
    if (QPushButton* ok = box.button(QDialogButtonBox::Ok))
        ok->setIcon(glyphIcon(Glyph::Ok));
    if (QPushButton* cancel = box.button(QDialogButtonBox::Cancel))
        cancel->setIcon(glyphIcon(Glyph::Cancel));
}
