#pragma once

#include "common/DocumentText.h"
#include "common/LineFile.h"

#include <QExplicitlySharedDataPointer>
#include <QList>
#include <QSharedData>
#include <QString>

class LineSink;
class LineSource;
class TextMatch;

// One entry of the MIME types file: a type and the file-name suffix that belongs to it, each
// exactly as read or typed. The type is written in capitals.
class MimeType
{
public:
    MimeType() = default;
    MimeType(const QString& type, const QString& suffix);

    QString type() const { return typeText().toString(); }
    QString suffix() const { return suffixText().toString(); }
    // The type and the suffix as the file holds them, in UTF-8: for telling whether two rows
    // hold the same.
    QByteArray writtenType() const;
    QByteArrayView writtenSuffix() const { return suffixText().utf8(); }
    // Whether the type or the suffix holds the text.
    bool matches(const TextMatch& match) const;

    friend bool operator==(const MimeType& a, const MimeType& b)
    {
        return a.typeText() == b.typeText() && a.suffixText() == b.suffixText();
    }

private:
    friend class MimeTypeLineReader;
    friend void writeMimeType(LineSink& lines, const MimeType& type);

    struct Texts : QSharedData
    {
        DocumentText type;
        DocumentText suffix;
    };

    MimeType(DocumentText type, DocumentText suffix);
    const DocumentText& typeText() const;
    const DocumentText& suffixText() const;

    // One pointer: a row pasted into a list of a million moves the rows after it, and a
    // pointer moves in a sixth of the time that the two texts would.
    QExplicitlySharedDataPointer<const Texts> m_texts;
};

// Kept in lists of a million: moved as plain memory when a list grows.
Q_DECLARE_TYPEINFO(MimeType, Q_RELOCATABLE_TYPE);

struct MimeTypesDocument
{
    QList<MimeType> rows;

    friend bool operator==(const MimeTypesDocument&, const MimeTypesDocument&) = default;
};

using MimeTypesRead = LineFileRead<MimeTypesDocument>;

// The letters a to z become A to Z; every other character stays, letters outside ASCII too.
QByteArray upperCaseAscii(QByteArrayView utf8);

// Lines 2k and 2k+1 form entry k; a last line without a partner stops the reader.
MimeTypesRead readMimeTypes(LineSource& lines);
MimeTypesRead readMimeTypes(QByteArrayView bytes);

// Why the file cannot hold the entry: a character its code page has not. Empty when it can.
QString refusalFor(const MimeType& type);

// What a text in the file's own lines holds for pasting: pairs of lines; or why it cannot be
// pasted.
struct MimeTypesPaste
{
    QList<MimeType> types;
    QString refusal;
};
MimeTypesPaste readMimeTypesPaste(QStringView text);
// An entry as the file's two lines, for the clipboard.
QString mimeTypeText(const MimeType& type);

// An entry as two lines: its type in capitals, its suffix as it stands.
void writeMimeType(LineSink& lines, const MimeType& type);
void writeMimeTypes(LineSink& lines, const MimeTypesDocument& document);
