#pragma once

#include <QByteArray>
#include <QString>

// What the find bar looks for: a text, found in another whatever the case of either. Most of
// the host's files are ASCII, and so is most of what is typed: such a text is looked for in a
// document's UTF-8 as it is, without making a string of every node.
class TextMatch
{
public:
    explicit TextMatch(const QString& text = {});

    bool isEmpty() const { return m_text.isEmpty(); }
    const QString& text() const { return m_text; }
    bool in(QByteArrayView utf8) const;
    bool in(QStringView text) const;

private:
    QString m_text;
    // Unless the text is ASCII, empty; else the text in lower case, and for each of its bytes the
    // bit that case sets: 0x20 for a letter, 0 for anything else.
    QByteArray m_ascii;
    QByteArray m_caseBits;
};
