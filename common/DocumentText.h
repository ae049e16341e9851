#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// UTF-8 as text, every character kept: QString::fromUtf8 drops a byte-order mark at the start,
// and a field that begins with U+FEFF would lose it between the user and the file unseen.
inline QString utf8Text(QByteArrayView utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                     QStringDecoder::Flag::Stateless);
    return decoder.decode(utf8);
}

// A text held by a document (a caption, a tag, a code), kept in UTF-8: the host's files are
// nearly all ASCII, so a document of a million lines takes little more than its file, and a
// plain ASCII field goes between the file and the document without being converted at all.
class DocumentText
{
public:
    DocumentText() = default;
    explicit DocumentText(QStringView text) : m_utf8(text.toUtf8()) {}

    static DocumentText fromUtf8(QByteArrayView utf8)
    {
        DocumentText text;
        text.m_utf8 = utf8.toByteArray();
        return text;
    }

    QString toString() const { return utf8Text(m_utf8); }
    QByteArrayView utf8() const { return m_utf8; }
    // Shares the bytes rather than copying them.
    QByteArray toUtf8() const { return m_utf8; }
    bool isEmpty() const { return m_utf8.isEmpty(); }

    friend bool operator==(const DocumentText&, const DocumentText&) = default;

private:
    QByteArray m_utf8;
};

Q_DECLARE_TYPEINFO(DocumentText, Q_RELOCATABLE_TYPE);
