#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes with errors that name the file and the cause.
// A path as messages show it: native separators, control characters made visible, and a very
// long path shortened in the middle so the message stays readable.
QString displayPath(const QString& path);

namespace WholeFile {

// Files beyond this size are refused instead of read, so a wrong path cannot exhaust memory.
constexpr qint64 maxReadSize = qint64(1) << 30;

QByteArray read(const QString& path);

// Replaces the file atomically: the bytes go to a temporary file in the same folder, which
// then takes the file's place. Any failure leaves the old file as it was.
void write(const QString& path, const QByteArray& bytes);

} // namespace WholeFile
