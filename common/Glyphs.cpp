#include "common/Glyphs.h"

#include <QHash>
#include <QString>

#include <initializer_list>

namespace {

// The pictures are drawn as SVG in common/icons and rendered to these sizes, so that a button
// is sharp at 100 %, 150 %, 200 % and 300 % without scaling a picture at run time.
constexpr std::initializer_list<int> glyphSizes = {16, 24, 32, 48};
constexpr std::initializer_list<int> programIconSizes = {16, 24, 32, 48, 64, 128, 256};

const char* fileName(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Ok:
        return "ok";
    case Glyph::Cancel:
        return "cancel";
    case Glyph::NewTag:
        return "new-tag";
    case Glyph::NewCategory:
        return "new-category";
    case Glyph::NewCode:
        return "new-code";
    case Glyph::NewType:
        return "new-type";
    case Glyph::Edit:
        return "edit";
    case Glyph::Remove:
        return "remove";
    case Glyph::EditImages:
        return "edit-images";
    case Glyph::ViewImages:
        return "view-images";
    case Glyph::SelectedTextMacro:
        return "selected-text";
    case Glyph::NewLineMacro:
        return "new-line";
    case Glyph::Update:
        return "update";
    case Glyph::HtmlToolbar:
        return "html-toolbar";
    case Glyph::Procedures:
        return "procedures";
    case Glyph::MimeTypes:
        return "mime-types";
    case Glyph::Additional:
        return "additional";
    case Glyph::Exit:
        return "exit";
    case Glyph::Close:
        return "close";
    }
    return "";
}

QIcon loadIcon(const QString& name, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (const int size : sizes)
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(name), QSize(size, size));
    return icon;
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
