#include "platform/StrUtils.h"

QByteArrayView extractDelimited(int fieldNumber, QByteArrayView text, char delimiter)
{
    if (fieldNumber < 1)
        return {};
    qsizetype start = 0;
    for (int field = 1; field < fieldNumber; ++field) {
        const qsizetype end = text.indexOf(delimiter, start);
        if (end < 0)
            return {};
        start = end + 1; // step over the delimiter that ends this field
    }
    const qsizetype end = text.indexOf(delimiter, start);
    return text.sliced(start, (end < 0 ? text.size() : end) - start);
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
