#include "platform/CodePage.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

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

QString decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder = makeDecoder();
    return decoder.decode(bytes);
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

bool Encoder::append(QStringView text, QByteArray& bytes)
{
    // Copied as it is checked, in one pass: most lines are plain ASCII.
    const qsizetype at = bytes.size();
    bytes.resize(at + text.size());
    char* out = bytes.data() + at;
    char16_t any = 0;
    for (const QChar c : text) {
        any |= c.unicode();
        *out++ = char(c.unicode());
    }
    if (any < 0x80)
        return true;
    bytes.truncate(at);
    // Built in place: a moved ICU converter loses track of its errors.
    if (!m_converter) {
#ifdef Q_OS_WIN
        m_converter.emplace(QStringEncoder::System, QStringEncoder::Flag::Stateless);
#else
        m_converter.emplace(codecName, QStringEncoder::Flag::Stateless);
#endif
    }
    const QByteArray encoded = m_converter->encode(text);
    if (m_converter->hasError()) {
        m_converter.reset(); // an error sticks to a converter
        return false;
    }
    bytes += encoded;
    return true;
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
