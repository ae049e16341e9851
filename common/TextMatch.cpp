#include "common/TextMatch.h"

#include <algorithm>

TextMatch::TextMatch(const QString& text) : m_text(text)
{
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        m_ascii = text.toLatin1();
}

// Read as Latin-1, the bytes of a UTF-8 character beyond ASCII never fold onto an ASCII letter:
// an ASCII text is found exactly where it stands in the string.
bool TextMatch::in(QByteArrayView utf8) const
{
    if (m_ascii.isEmpty())
        return in(QString::fromUtf8(utf8));
    return QLatin1StringView(utf8.data(), utf8.size())
        .contains(QLatin1StringView(m_ascii), Qt::CaseInsensitive);
}

bool TextMatch::in(QStringView text) const
{
    return text.contains(m_text, Qt::CaseInsensitive);
}
