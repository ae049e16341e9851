#include "common/Glyphs.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace {

QStyle::StandardPixmap standardPixmap(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Ok:
        return QStyle::SP_DialogOkButton;
    case Glyph::Cancel:
        return QStyle::SP_DialogCancelButton;
    case Glyph::NewItem:
        return QStyle::SP_FileIcon;
    case Glyph::NewGroup:
        return QStyle::SP_DirIcon;
    case Glyph::Edit:
        return QStyle::SP_FileDialogDetailedView;
    case Glyph::Remove:
        return QStyle::SP_TrashIcon;
    case Glyph::EditImages:
        return QStyle::SP_DesktopIcon;
    case Glyph::ViewImages:
        return QStyle::SP_FileDialogContentsView;
    case Glyph::Macro:
        return QStyle::SP_ArrowRight;
    case Glyph::HtmlToolbar:
        return QStyle::SP_FileIcon;
    case Glyph::Procedures:
        return QStyle::SP_FileDialogContentsView;
    case Glyph::MimeTypes:
        return QStyle::SP_FileDialogInfoView;
    case Glyph::Additional:
        return QStyle::SP_FileDialogDetailedView;
    case Glyph::Exit:
    case Glyph::Close:
        return QStyle::SP_DialogCloseButton;
    }
    return QStyle::SP_CustomBase;
}

} // namespace

QIcon glyphIcon(Glyph glyph)
{
    return QApplication::style()->standardIcon(standardPixmap(glyph));
}

// Drawn in a 32-unit square and scaled, so every size is sharp: a blue card with a white tag
// bracket pair and a yellow pencil, for an editor of tags and settings.
void paintProgramIcon(QPainter& painter, int size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(QPen(QColor(0x1B, 0x3F, 0x8B), 1.5));
    painter.setBrush(QColor(0x2F, 0x6F, 0xD6));
    painter.drawRoundedRect(QRectF(1.75, 1.75, 28.5, 28.5), 5, 5);
    QPen tagPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(tagPen);
    painter.drawPolyline(QPolygonF({{11, 8}, {5, 14}, {11, 20}}));
    painter.drawPolyline(QPolygonF({{21, 8}, {27, 14}, {21, 20}}));
    painter.drawLine(QPointF(18, 7), QPointF(14, 21));
    QPainterPath pencil;
    pencil.moveTo(9, 27);
    pencil.lineTo(10, 23);
    pencil.lineTo(23, 23);
    pencil.lineTo(23, 27);
    pencil.closeSubpath();
    painter.setPen(QPen(QColor(0x5A, 0x3A, 0x00), 1));
    painter.setBrush(QColor(0xFF, 0xC8, 0x2E));
    painter.drawPath(pencil);
    painter.restore();
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon made;
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            paintProgramIcon(painter, size);
            painter.end();
            made.addPixmap(pixmap);
        }
        return made;
    }();
    return icon;
}
