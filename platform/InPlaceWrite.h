#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Writing a file over its own bytes, for a file with other names (hard links) or in a folder
// that takes no new file. Before the first byte is overwritten, the old content is copied under
// a name of its own and flushed to disk, so that a write cut short (a crash, a kill, a failing
// disk) leaves it to be put back; the copy goes once the file reads back as written. While the
// write runs, the file is locked against other programs and other copies of this one.
namespace InPlaceWrite {

// Writes bytes over target, which path led to (path names the file in messages). Throws, with
// the old content put back where the write got that far, when the file cannot be written whole.
void write(const QString& path, const QString& target, QByteArrayView bytes);

// The copies of target's old content that writes cut short left behind, the newest first.
QStringList leftCopies(const QString& target);

} // namespace InPlaceWrite
