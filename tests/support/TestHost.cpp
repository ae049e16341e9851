#include "support/TestHost.h"

#include "common/HostOptions.h"

#include <QColor>
#include <QImage>
#include <QTest>

TestHost::TestHost()
{
    options.values[Opt_HTMLToolbarCFG] = profile.hostPath(QStringLiteral("HTML toolbar.cfg"));
    options.values[Opt_HTMLToolbarGlyphs] = profile.hostPath(QStringLiteral("HTML toolbar.bmp"));
    options.values[Opt_MIMEPraserCFG] = profile.hostPath(QStringLiteral("MIME types.cfg"));
    options.values[Opt_AppPath] = profile.hostPath(QString());
}

QString TestHost::path(HostFile file) const
{
    return hostFilePath(file, options);
}

void TestHost::write(HostFile file, const QByteArray& bytes) const
{
    writeBytes(path(file), bytes);
}

QByteArray TestHost::bytes(HostFile file) const
{
    return fileBytes(path(file));
}

void TestHost::writeStrip(int width, int height, int variant) const
{
    ::writeStrip(path(HostFile::ImageStrip), width, height, variant);
}

QColor stripColour(int index, int variant)
{
    // Through QRgb, so that it compares equal to a pixel read back from an 8-bit picture.
    return QColor(
        QColor::fromHsv((index * 37 + variant * 150) % 360, 200, 120 + variant * 100).rgb());
}

void writeStrip(const QString& path, int width, int height, int variant, const char* format)
{
    QImage strip(width, height, QImage::Format_RGB32);
    strip.fill(Qt::white);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < std::min(height, 16); ++y)
            strip.setPixelColor(x, y, stripColour(x / 16, variant));
    }
    if (!strip.save(path, format))
        QTest::qFail(qPrintable(QStringLiteral("cannot write strip ") + path), __FILE__, __LINE__);
}
