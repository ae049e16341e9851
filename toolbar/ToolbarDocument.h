#pragma once

#include "common/DocumentText.h"
#include "platform/AppError.h"

#include <QList>

#include <optional>
#include <variant>

class LineSink;
class LineSource;

// A tag button: its caption, the template that the host inserts, and its image in the strip
// (counted from 0; any number, also one outside the strip).
struct ToolbarTag
{
    DocumentText caption;
    DocumentText tag;
    int image = 0;

    friend bool operator==(const ToolbarTag&, const ToolbarTag&) = default;
};

// A category of tag buttons, its tags in the order the toolbar shows them. A tag line that
// stands before the first category line of a file becomes a category whose caption holds the
// tag's caption, ":" and its template, and is written back as a category line.
struct ToolbarCategory
{
    DocumentText caption;
    int image = 0;
    QList<ToolbarTag> tags;

    friend bool operator==(const ToolbarCategory&, const ToolbarCategory&) = default;
};

// Kept in lists of a million: moved as plain memory when a list grows.
Q_DECLARE_TYPEINFO(ToolbarTag, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(ToolbarCategory, Q_RELOCATABLE_TYPE);

struct ToolbarDocument
{
    QList<ToolbarCategory> categories;

    friend bool operator==(const ToolbarDocument&, const ToolbarDocument&) = default;
};

// One node of the toolbar's tree: a category with its tags, or a tag.
using ToolbarNode = std::variant<ToolbarCategory, ToolbarTag>;

struct ToolbarRead
{
    ToolbarDocument document;
    // False when the document does not hold every line: a line stopped the reader, or the
    // file's bytes stopped at a NUL.
    bool whole = true;
    // The line whose image index did not convert; the lines before it are in the document.
    std::optional<AppError> stoppedBy;
};

// A line's image index: a signed 32-bit decimal, leading blanks allowed, nothing after the
// digits.
std::optional<int> toImageIndex(QByteArrayView field);

// The toolbar file's lines to a document. A category's tag lines stand in the reverse of the
// order in which the toolbar shows them. fileName is for the message of a line that stops it.
ToolbarRead readToolbar(LineSource& lines);
ToolbarRead readToolbar(QByteArrayView bytes, const QString& fileName);

// What a text in the file's own lines holds for pasting: tags, or categories with their tags,
// in the order the toolbar shows them; or why it cannot be pasted.
struct ToolbarPaste
{
    QList<ToolbarCategory> categories;
    QList<ToolbarTag> tags;
    QString refusal;
};
ToolbarPaste readToolbarPaste(QStringView text);
// A node as the file's lines, for the clipboard.
QString toolbarNodeText(const ToolbarNode& node);

// A category line and its tag lines, the last tag first; a tag line alone.
void writeCategory(LineSink& lines, const ToolbarCategory& category);
void writeTag(LineSink& lines, const ToolbarTag& tag);
void writeToolbar(LineSink& lines, const ToolbarDocument& document);
QByteArray writeToolbar(const ToolbarDocument& document, const QString& fileName);
