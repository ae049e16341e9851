#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The text form of the host's files: 8-bit text in the code page, read as lines ending at
// CR LF, a lone CR or a lone LF, written with CR LF after every line.
struct LineFileText
{
    QStringList lines;
    // False when the bytes held a NUL: reading stops there, and what follows was not read.
    bool whole = true;
};

LineFileText splitLineFile(QByteArrayView bytes);

// The bytes of the lines, each followed by CR LF. Throws when a line holds a character that
// the code page cannot hold or that would break the line (CR, LF, NUL); fileName is for the
// message.
QByteArray joinLineFile(const QStringList& lines, const QString& fileName);

LineFileText readLineFile(const QString& path);

// How much of its file an editor holds, so that saving can protect what was not read.
enum class ReadExtent {
    NoFile,  // there was no file: saving creates it
    Partial, // the file exists but was not read whole
    Whole,
};

// readLineFile that also records the extent: NoFile when there is no file, Partial when it
// could not be read or stopped at a NUL, Whole otherwise. A caller that stops early sets
// Partial itself.
LineFileText readLineFile(const QString& path, ReadExtent& extent);
void writeLineFile(const QString& path, const QStringList& lines);
