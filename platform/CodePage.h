#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <optional>

// The 8-bit code page of the host's files: the system's ANSI code page on Windows,
// Windows-1252 elsewhere. Every byte but NUL decodes to one character and encodes back to
// the same byte.
namespace CodePage {

QString name();
// Bytes below 0x80 are the same in the code page, in UTF-8 and in Latin-1.
bool isAscii(QByteArrayView bytes);
// ASCII, and none of it a line break or a NUL: a piece of a line that goes into a line file as
// it stands, as nearly every piece does.
bool isPlainAscii(QByteArrayView bytes);
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

// The first character of text that the code page cannot hold (a surrogate pair counts as
// one), or an empty string when every character fits.
QString firstUnencodable(QStringView text);

} // namespace CodePage
