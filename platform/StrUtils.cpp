#include "platform/StrUtils.h"

namespace {

// Most callers split at one character; a set is searched only when it holds more.
qsizetype nextDelimiter(QStringView text, qsizetype from, QStringView delimiters)
{
    if (delimiters.size() == 1)
        return text.indexOf(delimiters.front(), from);
    for (qsizetype i = from; i < text.size(); ++i) {
        if (delimiters.contains(text[i]))
            return i;
    }
    return -1;
}

} // namespace

QStringView extractDelimitedView(int fieldNumber, QStringView text, QStringView delimiters)
{
    if (fieldNumber < 1)
        return {};
    qsizetype start = 0;
    for (int field = 1; field < fieldNumber; ++field) {
        const qsizetype end = nextDelimiter(text, start, delimiters);
        if (end < 0)
            return {};
        start = end + 1; // step over the delimiter that ends this field
    }
    const qsizetype end = nextDelimiter(text, start, delimiters);
    return text.sliced(start, (end < 0 ? text.size() : end) - start);
}

QString extractDelimited(int fieldNumber, const QString& text, const QString& delimiters)
{
    return extractDelimitedView(fieldNumber, text, delimiters).toString();
}

QString replaceAll(const QString& text, const QString& search, const QString& replacement)
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
