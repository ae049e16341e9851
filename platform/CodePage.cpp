#include "platform/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

#ifdef Q_OS_WIN
QStringDecoder makeDecoder()
{
    return QStringDecoder(QStringDecoder::System, QStringDecoder::Flag::Stateless);
}
QStringEncoder makeEncoder()
{
    return QStringEncoder(QStringEncoder::System, QStringEncoder::Flag::Stateless);
}
#else
// ICU's windows-1252 maps the five bytes that the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) to the C1 controls of the same number, so every byte round-trips.
const char* const codecName = "windows-1252";

QStringDecoder makeDecoder()
{
    return QStringDecoder(codecName, QStringDecoder::Flag::Stateless);
}
QStringEncoder makeEncoder()
{
    return QStringEncoder(codecName, QStringEncoder::Flag::Stateless);
}
#endif

} // namespace

namespace CodePage {

QString name()
{
#ifdef Q_OS_WIN
    return QStringLiteral("the system's ANSI code page");
#else
    return QString::fromLatin1(codecName);
#endif
}

QString decode(QByteArrayView bytes)
{
    QStringDecoder decoder = makeDecoder();
    return decoder.decode(bytes);
}

std::optional<QByteArray> encode(QStringView text)
{
    QStringEncoder encoder = makeEncoder();
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

QString firstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = text.mid(i, length);
        if (!encode(character))
            return character.toString();
        i += length - 1;
    }
    return {};
}

} // namespace CodePage
