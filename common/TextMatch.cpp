#include "common/TextMatch.h"

#include "common/DocumentText.h"

#include <algorithm>

TextMatch::TextMatch(const QString& text) : m_text(text)
{
    if (!std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return;
    m_ascii = text.toLatin1().toLower();
    m_caseBits.fill(0, m_ascii.size());
    for (qsizetype i = 0; i < m_ascii.size(); ++i) {
        if (m_ascii[i] >= 'a' && m_ascii[i] <= 'z')
            m_caseBits[i] = 0x20;
    }
}

// Every byte of a UTF-8 character beyond ASCII is 0x80 or above, so it never equals an ASCII
// byte, whatever its case bit: an ASCII text is found byte by byte exactly where it stands.
bool TextMatch::in(QByteArrayView utf8) const
{
    if (m_ascii.isEmpty())
        return in(utf8Text(utf8));
    const qsizetype length = m_ascii.size();
    const char* const text = utf8.data();
    const char first = m_ascii[0];
    const char firstBit = m_caseBits[0];
    for (qsizetype at = 0; at + length <= utf8.size(); ++at) {
        if ((text[at] | firstBit) != first)
            continue;
        qsizetype i = 1;
        while (i < length && (text[at + i] | m_caseBits[i]) == m_ascii[i])
            ++i;
        if (i == length)
            return true;
    }
    return false;
}

bool TextMatch::in(QStringView text) const
{
    return text.contains(m_text, Qt::CaseInsensitive);
}
