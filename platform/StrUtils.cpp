#include "platform/StrUtils.h"

namespace {

bool isDelimiter(QChar c, const QString& delimiters)
{
    return delimiters.contains(c);
}

} // namespace

QString ExtractDelimited(int fieldNumber, const QString& text, const QString& delimiters)
{
    if (fieldNumber < 1)
        return {};
    qsizetype start = 0;
    for (int field = 1; field < fieldNumber; ++field) {
        while (start < text.size() && !isDelimiter(text[start], delimiters))
            ++start;
        if (start == text.size())
            return {};
        ++start; // step over the delimiter that ends this field
    }
    qsizetype end = start;
    while (end < text.size() && !isDelimiter(text[end], delimiters))
        ++end;
    return text.mid(start, end - start);
}

QString ReplaceStr(const QString& text, const QString& search, const QString& replacement)
{
    if (search.isEmpty())
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype hit = text.indexOf(search); hit >= 0; hit = text.indexOf(search, from)) {
        result += QStringView(text).mid(from, hit - from);
        result += replacement;
        from = hit + search.size();
    }
    result += QStringView(text).mid(from);
    return result;
}
