#include "platform/CodePage.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace {

#ifdef Q_OS_WIN
QStringEncoder makeEncoder()
{
    return QStringEncoder(QStringEncoder::System, QStringEncoder::Flag::Stateless);
}
#else
// ICU's windows-1252 maps the five bytes that the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) to the C1 controls of the same number, so every byte round-trips.
const char* const codecName = "windows-1252";

QStringEncoder makeEncoder()
{
    return QStringEncoder(codecName, QStringEncoder::Flag::Stateless);
}
#endif

// Below 0x80 the code page is ASCII, so text that stays there needs no converter: most of the
// host's files are plain ASCII, and this keeps large ones fast.
// Eight bytes at a time: the test runs over every byte of every file read or written.
bool allBelow(const void* data, qsizetype size, quint64 highBits, qsizetype unit)
{
    const auto* bytes = static_cast<const char*>(data);
    quint64 any = 0;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, bytes + i, 8);
        any |= word;
    }
    for (; i < size; i += unit) {
        quint64 word = 0;
        std::memcpy(&word, bytes + i, unit);
        any |= word;
    }
    return (any & highBits) == 0;
}

bool isAsciiText(QStringView text)
{
    return allBelow(text.data(), text.size() * 2, 0xFF80FF80FF80FF80ULL, 2);
}

} // namespace

namespace CodePage {

bool isAscii(QByteArrayView bytes)
{
    return allBelow(bytes.data(), bytes.size(), 0x8080808080808080ULL, 1);
}

// Eight bytes at a time, as isAscii: a save runs it over every byte of the file. A word holds a
// byte of a value when the word xor that value repeated holds a zero byte.
bool isPlainAscii(QByteArrayView bytes)
{
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 highs = 0x8080808080808080ULL;
    const auto hasZeroByte = [](quint64 word) { return ((word - ones) & ~word & highs) != 0; };
    qsizetype at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        quint64 word;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        if ((word & highs) || hasZeroByte(word) || hasZeroByte(word ^ (ones * '\r')) ||
            hasZeroByte(word ^ (ones * '\n')))
            return false;
    }
    for (; at < bytes.size(); ++at) {
        const auto c = static_cast<unsigned char>(bytes[at]);
        if (c >= 0x80 || c == '\r' || c == '\n' || c == '\0')
            return false;
    }
    return true;
}

bool isAscii(QStringView text)
{
    return isAsciiText(text);
}

QString name()
{
#ifdef Q_OS_WIN
    return QCoreApplication::translate("CodePage", "the system's ANSI code page");
#else
    return QString::fromLatin1(codecName);
#endif
}

std::optional<QByteArray> encode(QStringView text)
{
    if (isAsciiText(text))
        return text.toLatin1();
    QStringEncoder encoder = makeEncoder();
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

QString Decoder::decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (!m_converter) {
#ifdef Q_OS_WIN
        m_converter.emplace(QStringDecoder::System, QStringDecoder::Flag::Stateless);
#else
        m_converter.emplace(codecName, QStringDecoder::Flag::Stateless);
#endif
    }
    return m_converter->decode(bytes);
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
