#pragma once

#include "common/DocumentText.h"
#include "common/LineFile.h"

#include <QList>
#include <QString>

#include <variant>

class LineSink;
class LineSource;
class TextMatch;

// A tag button: its caption, the template that the host inserts, and its image in the strip
// (counted from 0; any number, also one outside the strip).
class ToolbarTag
{
public:
    ToolbarTag() = default;
    ToolbarTag(const QString& caption, const QString& tag, int image);

    QString caption() const { return m_caption.toString(); }
    QString tag() const { return m_tag.toString(); }
    int image() const { return m_image; }
    // What the editor's tree shows: the caption, ":" and the template.
    QString text() const;
    // Whether the caption or the template holds the text.
    bool matches(const TextMatch& match) const;

    friend bool operator==(const ToolbarTag&, const ToolbarTag&) = default;

private:
    friend class ToolbarLineReader;
    friend void writeTag(LineSink& lines, const ToolbarTag& tag);

    DocumentText m_caption;
    DocumentText m_tag;
    int m_image = 0;
};

// A category of tag buttons, its tags in the order the toolbar shows them. A tag line that
// stands before the first category line of a file becomes a category whose caption holds the
// tag's caption, ":" and its template: a loose tag, written back as the tag line it was, before
// the first category, for as long as it holds no tags and is not given another caption.
class ToolbarCategory
{
public:
    ToolbarCategory() = default;
    ToolbarCategory(const QString& caption, int image, QList<ToolbarTag> tags = {});

    QString caption() const { return m_caption.toString(); }
    int image() const { return m_image; }
    const QList<ToolbarTag>& tags() const { return m_tags; }
    QList<ToolbarTag>& tags() { return m_tags; }
    // The same category with another caption and image, its tags kept: a category, no loose tag.
    ToolbarCategory withCaptionAndImage(const QString& caption, int image) const;
    bool isLooseTag() const { return m_looseTag && m_tags.isEmpty(); }
    // Whether the caption holds the text.
    bool matches(const TextMatch& match) const;

    friend bool operator==(const ToolbarCategory&, const ToolbarCategory&) = default;

private:
    friend class ToolbarLineReader;
    friend void writeCategory(LineSink& lines, const ToolbarCategory& category);

    DocumentText m_caption;
    int m_image = 0;
    QList<ToolbarTag> m_tags;
    bool m_looseTag = false;
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

using ToolbarRead = LineFileRead<ToolbarDocument>;

// A line's image index: a signed 32-bit decimal, leading blanks allowed, nothing after the
// digits.
std::optional<int> toImageIndex(QByteArrayView field);

// The toolbar file's lines to a document. A category's tag lines stand in the reverse of the
// order in which the toolbar shows them.
ToolbarRead readToolbar(LineSource& lines);
ToolbarRead readToolbar(QByteArrayView bytes, const QString& fileName);

// Why the file cannot hold the node as it stands (its fields are cut at every ":"); empty when
// it can.
QString refusalFor(const ToolbarTag& tag);
QString refusalFor(const ToolbarCategory& category);

// What a text in the file's own lines holds for pasting: tags, or categories with their tags,
// in the order the toolbar shows them; or why it cannot be pasted.
struct ToolbarPaste
{
    QList<ToolbarCategory> categories;
    QList<ToolbarTag> tags;
    QString refusal;
};
ToolbarPaste readToolbarPaste(QStringView text);
// Whether a text in the file's own lines starts with a tag line: tags need a category to go to.
bool startsWithTag(QStringView text);
// A node as the file's lines, for the clipboard.
QString toolbarNodeText(const ToolbarNode& node);

// A category line and its tag lines, the last tag first; a tag line alone.
void writeCategory(LineSink& lines, const ToolbarCategory& category);
void writeTag(LineSink& lines, const ToolbarTag& tag);
void writeToolbar(LineSink& lines, const ToolbarDocument& document);
