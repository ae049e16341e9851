#include "tools/DemoProfile.h"

#include "common/LineFile.h"
#include "maintenance/DefaultLines.h"
#include "platform/AppError.h"
#include "platform/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

constexpr int imageSize = 16;
const QColor ink(0x20, 0x30, 0x60);

void drawLetter(QPainter& p, const QString& letter, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRect(0, 0, imageSize, imageSize), Qt::AlignCenter, letter);
}

void drawPage(QPainter& p)
{
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 10, 13);
    p.setPen(ink);
    for (int y = 4; y <= 11; y += 2)
        p.drawLine(5, y, 11, y);
}

void drawCentredLines(QPainter& p)
{
    p.setPen(ink);
    const int halfWidths[] = {6, 3, 5, 2, 6};
    for (int i = 0; i < 5; ++i)
        p.drawLine(8 - halfWidths[i], 3 + 2 * i, 7 + halfWidths[i], 3 + 2 * i);
}

void drawReturnArrow(QPainter& p)
{
    p.setPen(QPen(ink, 2));
    p.drawLine(12, 3, 12, 10);
    p.drawLine(12, 10, 4, 10);
    p.drawLine(4, 10, 7, 7);
    p.drawLine(4, 10, 7, 13);
}

void drawRule(QPainter& p)
{
    p.fillRect(1, 7, 14, 2, QColor(0x80, 0x80, 0x80));
    p.fillRect(1, 7, 14, 1, ink);
}

void drawPicture(QPainter& p)
{
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(QColor(0xB0, 0xD8, 0xFF));
    p.drawRect(1, 2, 13, 11);
    p.setBrush(QColor(0xF0, 0xC0, 0x20));
    p.setPen(Qt::NoPen);
    p.drawEllipse(9, 4, 3, 3);
    QPainterPath hills;
    hills.moveTo(2, 13);
    hills.lineTo(6, 7);
    hills.lineTo(9, 11);
    hills.lineTo(11, 9);
    hills.lineTo(14, 13);
    p.fillPath(hills, QColor(0x30, 0x90, 0x40));
}

void drawListLines(QPainter& p, const std::function<void(QPainter&, int, int)>& marker)
{
    for (int row = 0; row < 3; ++row) {
        const int y = 3 + 5 * row;
        marker(p, row, y);
        p.setPen(ink);
        p.drawLine(7, y, 14, y);
    }
}

void drawBullet(QPainter& p, int, int y)
{
    p.fillRect(2, y - 1, 3, 3, QColor(0xC0, 0x30, 0x30));
}

void drawNumber(QPainter& p, int row, int y)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(6);
    p.setFont(font);
    p.setPen(QColor(0xC0, 0x30, 0x30));
    p.drawText(QRect(0, y - 3, 6, 7), Qt::AlignCenter, QString::number(row + 1));
}

void drawListItem(QPainter& p)
{
    p.fillRect(3, 6, 4, 4, QColor(0xC0, 0x30, 0x30));
    p.setPen(ink);
    p.drawLine(9, 8, 14, 8);
}

void writeIfMissing(const QString& path, const QStringList& lines)
{
    if (!QFileInfo::exists(path))
        WholeFile::write(path, joinLineFile(lines, path));
}

void makeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw AppError(QStringLiteral("Cannot create the folder \"%1\".").arg(path));
}

} // namespace

QImage drawDemoStrip()
{
    const std::function<void(QPainter&)> images[] = {
        drawPage,
        [](QPainter& p) { drawLetter(p, QStringLiteral("B"), true, false, false); },
        [](QPainter& p) { drawLetter(p, QStringLiteral("I"), false, true, false); },
        [](QPainter& p) { drawLetter(p, QStringLiteral("U"), false, false, true); },
        drawCentredLines,
        drawReturnArrow,
        drawRule,
        drawPicture,
        [](QPainter& p) { drawListLines(p, drawBullet); },
        [](QPainter& p) { drawListLines(p, drawBullet); },
        [](QPainter& p) { drawListLines(p, drawNumber); },
        drawListItem,
    };
    const int count = int(std::size(images));
    QImage strip(imageSize * count, imageSize, QImage::Format_RGB32);
    strip.fill(QColor(0xF4, 0xF4, 0xF0));
    QPainter painter(&strip);
    for (int i = 0; i < count; ++i) {
        painter.save();
        painter.translate(i * imageSize, 0);
        painter.setClipRect(0, 0, imageSize, imageSize);
        images[i](painter);
        painter.restore();
    }
    return strip;
}

void writeDemoProfile(const QString& folder)
{
    const QString hostFolder = folder + QStringLiteral("/Tarvel Halvex/");
    const QString settingsFolder = folder + QStringLiteral("/config/TarvelSoftware");
    makeFolder(hostFolder);
    makeFolder(settingsFolder);
    const QString settingsFile = settingsFolder + QStringLiteral("/Tarvel Halvex.conf");
    if (!QFileInfo::exists(settingsFile)) {
        const QString text = QStringLiteral("[TMainWindow]\n"
                                            "Opt_HTMLToolbarCFG=%1HTMLToolbar.cfg\n"
                                            "Opt_HTMLToolbarGlyphs=%1HTMLToolbar.bmp\n"
                                            "Opt_MIMEPraserCFG=%1MIMETypes.cfg\n"
                                            "Opt_AppPath=%1\n")
                                 .arg(hostFolder);
        WholeFile::write(settingsFile, text.toUtf8());
    }
    writeIfMissing(hostFolder + QStringLiteral("HTMLToolbar.cfg"), defaultHTMLToolbarLines());
    writeIfMissing(hostFolder + QStringLiteral("CstProcs.dat"), defaultCstProcsLines());
    writeIfMissing(hostFolder + QStringLiteral("MIMETypes.cfg"), defaultMIMETypesLines());
    const QString strip = hostFolder + QStringLiteral("HTMLToolbar.bmp");
    if (!QFileInfo::exists(strip) && !drawDemoStrip().save(strip, "BMP"))
        throw AppError(QStringLiteral("Cannot write the image strip \"%1\".").arg(strip));
}
