#include "common/Glyphs.h"

#include <QApplication>
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
