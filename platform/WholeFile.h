#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Whole-file reads and writes with errors that name the file and the cause.
// A path as messages show it: native separators, control characters made visible, and a very
// long path shortened in the middle so the message stays readable.
QString displayPath(const QString& path);

namespace WholeFile {

// What a file was like when it was looked at: a file replaced or written since then differs in
// one of these.
struct Identity
{
    bool exists = false;
    // False for a file that is there but cannot be looked at (a folder on the way that cannot
    // be searched, a loop of links, a name too long): nothing else is known of it then.
    bool known = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    friend bool operator==(const Identity&, const Identity&) = default;
};

// The identity of the file that path leads to (links followed). A file that cannot be looked at
// for any reason but its absence counts as existing, with nothing else known.
Identity identity(const QString& path);
// Whether two paths lead to the same file: the same path, the same device and inode, or, where
// neither exists yet, the same absolute path once links in its folders are resolved. A file that
// cannot be looked at is no other file's twin: what stops it is reported when it is read or
// written.
bool sameFile(const QString& a, const QString& b);

// Files beyond this size are refused instead of read, so a wrong path cannot exhaust memory.
constexpr qint64 maxReadSize = qint64(1) << 30;
// Files are read and written in pieces of this size, so that a large one is never held whole
// beside what is made of it.
constexpr qint64 pieceSize = qint64(1) << 20;

// Reads a file piece by piece and hashes what it read. Opening refuses what is not a regular
// file or is too large; every failure throws, naming the file and the cause.
class Reader
{
public:
    explicit Reader(const QString& path);

    // The next piece, valid until the next call: pieceSize bytes but for the last, which may be
    // empty. Nothing after the last.
    std::optional<QByteArrayView> next();
    // Reads what is left, for the hash.
    void drain();
    quint64 hash() const { return m_hash; }
    const QString& path() const { return m_path; }

private:
    QString m_path;
    QFile m_file;
    QByteArray m_piece;
    size_t m_hash;
    bool m_ended = false;
};

QByteArray read(const QString& path);

// The hash of a file's bytes, taken as Reader takes it; nothing when the file cannot be read.
std::optional<quint64> fileHash(const QString& path);

// Replaces the file atomically: produce writes the new bytes to a temporary file in the same
// folder, which then takes the file's place. An exception from produce, or any failure, leaves
// the old file as it was. A file with other names (hard links) is written in place, so that
// every name sees the new content, as is one in a folder that takes no new files; see
// backupSuffix. vetTarget is given the file that is about to be written, once every link on the
// way was followed: it throws to stop the write.
void write(const QString& path, const std::function<void(QIODevice& file)>& produce,
           const std::function<void(const QString& target)>& vetTarget = {});
void write(const QString& path, const QByteArray& bytes);
// For a producer: writes all the bytes or throws, naming the file and the cause.
void writeAll(QIODevice& file, QByteArrayView bytes, const QString& path);

// Before a file is written in place, its old content is copied into a file whose name is the
// file's with this and a few letters added: beside it where the folder allows it, else in the
// program's state folder. The copy goes once the file was read back as written; one left behind
// holds the content from before a write that was cut short.
inline const QString backupSuffix = QStringLiteral(".halvex-backup-");
// The copies that writes cut short left of the file that path leads to, the newest first.
QStringList leftCopies(const QString& path);

// How long a write in place waits for another program to let go of the file.
constexpr int lockWaitMs = 3000;

} // namespace WholeFile
