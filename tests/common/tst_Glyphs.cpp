#include "common/Glyphs.h"
#include "support/TestMain.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QScopeGuard>

namespace {

QImage render(const QString& name, int size)
{
    return QImage(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(name))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The device pixels that a button shows, at the given scale.
QImage shown(const QIcon& icon, int size, qreal scale)
{
    QImage image = icon.pixmap(QSize(size, size), scale)
                       .toImage()
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    return image;
}

} // namespace

class TestGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void glyphShowsItsOwnRenders_data();
    void glyphShowsItsOwnRenders();
    void everyCommandHasItsOwnPicture();
    void glyphsStayVisibleOnDarkButtons();
    void programIconHasEveryRender_data();
    void programIconHasEveryRender();
    void windowsShowTheProgramIcon();
};

void TestGlyphs::glyphShowsItsOwnRenders_data()
{
    QTest::addColumn<int>("glyph");
    QTest::addColumn<QString>("name");
    for (const GlyphFile& entry : everyGlyph)
        QTest::newRow(entry.file) << int(entry.glyph) << QString::fromLatin1(entry.file);
}

// At 200 % a 16-pixel button takes the 32-pixel render, not the 16-pixel one blown up.
void TestGlyphs::glyphShowsItsOwnRenders()
{
    QFETCH(int, glyph);
    QFETCH(QString, name);
    const QIcon icon = glyphIcon(Glyph(glyph));
    QList<QSize> sizes;
    for (const int size : glyphSizes)
        sizes.append(QSize(size, size));
    QCOMPARE(icon.availableSizes(), sizes);
    for (const auto& [size, scale, device] :
         {std::tuple{16, 1.0, 16}, {16, 1.5, 24}, {16, 2.0, 32}, {24, 2.0, 48}, {16, 3.0, 48}}) {
        const QImage expected = render(name, device);
        QCOMPARE(expected.size(), QSize(device, device));
        QCOMPARE(shown(icon, size, scale), expected);
    }
}

void TestGlyphs::everyCommandHasItsOwnPicture()
{
    const qsizetype count = std::size(everyGlyph);
    for (qsizetype i = 0; i < count; ++i) {
        const QImage one = shown(glyphIcon(everyGlyph[i].glyph), 16, 1.0);
        QVERIFY2(!one.isNull(), everyGlyph[i].file);
        for (qsizetype j = i + 1; j < count; ++j)
            QVERIFY2(one != shown(glyphIcon(everyGlyph[j].glyph), 16, 1.0),
                     qPrintable(QStringLiteral("%1 looks like %2")
                                    .arg(everyGlyph[i].file, everyGlyph[j].file)));
    }
}

// Drawn for light buttons, the pictures' black lines once vanished on a dark desktop's buttons:
// there each gets an outline in the button's text colour.
void TestGlyphs::glyphsStayVisibleOnDarkButtons()
{
    const QPalette light = QGuiApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    QGuiApplication::setPalette(dark);
    const auto lightAgain = qScopeGuard([&] { QGuiApplication::setPalette(light); });
    for (const GlyphFile& entry : everyGlyph) {
        const QImage onDark = shown(glyphIcon(entry.glyph), 16, 1.0);
        const QImage drawn = render(QString::fromLatin1(entry.file), 16);
        bool outlined = false;
        for (int y = 0; y < drawn.height() && !outlined; ++y) {
            for (int x = 0; x < drawn.width() && !outlined; ++x)
                outlined = qAlpha(drawn.pixel(x, y)) == 0 && qGray(onDark.pixel(x, y)) > 100;
        }
        QVERIFY2(outlined, entry.file);
    }
}

void TestGlyphs::programIconHasEveryRender_data()
{
    QTest::addColumn<int>("size");
    for (const int size : programIconSizes)
        QTest::addRow("%d pixels", size) << size;
}

void TestGlyphs::programIconHasEveryRender()
{
    QFETCH(int, size);
    const QImage expected = render(QStringLiteral("halvex-config"), size);
    QCOMPARE(expected.size(), QSize(size, size));
    QCOMPARE(shown(programIcon(), size, 1.0), expected);
}

void TestGlyphs::windowsShowTheProgramIcon()
{
    QCOMPARE(QApplication::windowIcon().cacheKey(), programIcon().cacheKey());
}

HALVEX_TEST_MAIN(TestGlyphs)
#include "tst_Glyphs.moc"
