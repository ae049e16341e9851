#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

// The 8-bit code page of the host's files: the system's ANSI code page on Windows,
// Windows-1252 elsewhere. Every byte but NUL decodes to one character and encodes back to
// the same byte.
namespace CodePage {

QString name();
QString decode(QByteArrayView bytes);
// Bytes below 0x80 are the same in the code page, in UTF-8 and in Latin-1.
bool isAscii(QByteArrayView bytes);
// Every character of an ASCII text is one the code page holds.
bool isAscii(QStringView text);

// The bytes of text, or nothing when it holds a character that the code page cannot hold.
std::optional<QByteArray> encode(QStringView text);

// Decodes many texts in a row with one converter, opened only for the first text that is not
// plain ASCII.
class Decoder
{
public:
    QString decode(QByteArrayView bytes);

private:
    std::optional<QStringDecoder> m_converter;
};

// Encodes many texts in a row with one converter, opened only for the first text that is not
// plain ASCII.
class Encoder
{
public:
    // Appends the bytes of text; false, with nothing appended, when text holds a character
    // that the code page cannot hold.
    bool append(QStringView text, QByteArray& bytes);

private:
    std::optional<QStringEncoder> m_converter;
};

// The first character of text that the code page cannot hold (a surrogate pair counts as
// one), or an empty string when every character fits.
QString firstUnencodable(QStringView text);

} // namespace CodePage
