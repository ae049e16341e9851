#include "common/Glyphs.h"
#include "support/TestMain.h"

#include <QImage>
#include <QPixmap>

namespace {

const QList<QPair<Glyph, QString>> everyGlyph = {
    {Glyph::Ok, "ok"},
    {Glyph::Cancel, "cancel"},
    {Glyph::NewTag, "new-tag"},
    {Glyph::NewCategory, "new-category"},
    {Glyph::NewCode, "new-code"},
    {Glyph::NewType, "new-type"},
    {Glyph::Edit, "edit"},
    {Glyph::Remove, "remove"},
    {Glyph::EditImages, "edit-images"},
    {Glyph::ViewImages, "view-images"},
    {Glyph::SelectedTextMacro, "selected-text"},
    {Glyph::NewLineMacro, "new-line"},
    {Glyph::Update, "update"},
    {Glyph::HtmlToolbar, "html-toolbar"},
    {Glyph::Procedures, "procedures"},
    {Glyph::MimeTypes, "mime-types"},
    {Glyph::Additional, "additional"},
    {Glyph::Exit, "exit"},
    {Glyph::Close, "close"},
};

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
    void programIconHasEveryRender_data();
    void programIconHasEveryRender();
    void windowsShowTheProgramIcon();
};

void TestGlyphs::glyphShowsItsOwnRenders_data()
{
    QTest::addColumn<int>("glyph");
    QTest::addColumn<QString>("name");
    for (const auto& [glyph, name] : everyGlyph)
        QTest::newRow(qPrintable(name)) << int(glyph) << name;
}

// At 200 % a 16-pixel button takes the 32-pixel render, not the 16-pixel one blown up.
void TestGlyphs::glyphShowsItsOwnRenders()
{
    QFETCH(int, glyph);
    QFETCH(QString, name);
    const QIcon icon = glyphIcon(Glyph(glyph));
    QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));
    for (const auto& [size, scale, device] :
         {std::tuple{16, 1.0, 16}, {16, 1.5, 24}, {16, 2.0, 32}, {24, 2.0, 48}, {16, 3.0, 48}}) {
        const QImage expected = render(name, device);
        QCOMPARE(expected.size(), QSize(device, device));
        QCOMPARE(shown(icon, size, scale), expected);
    }
}

void TestGlyphs::everyCommandHasItsOwnPicture()
{
    for (qsizetype i = 0; i < everyGlyph.size(); ++i) {
        const QImage one = shown(glyphIcon(everyGlyph[i].first), 16, 1.0);
        QVERIFY2(!one.isNull(), qPrintable(everyGlyph[i].second));
        for (qsizetype j = i + 1; j < everyGlyph.size(); ++j)
            QVERIFY2(one != shown(glyphIcon(everyGlyph[j].first), 16, 1.0),
                     qPrintable(everyGlyph[i].second + " looks like " + everyGlyph[j].second));
    }
}

void TestGlyphs::programIconHasEveryRender_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
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
