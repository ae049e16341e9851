#include "platform/WholeFile.h"

#include "platform/AppError.h"
#include "platform/FileFailure.h"
#include "platform/InPlaceWrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimeZone>

#include <cerrno>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif

using FileFailure::Access;
using FileFailure::fail;
using FileFailure::failWrite;
using FileFailure::systemCause;

namespace {

constexpr qsizetype longestShownPath = 260;

struct WholeFileMessages
{
    Q_DECLARE_TR_FUNCTIONS(WholeFile)
};

void requireName(Access access, const QString& path)
{
    if (!path.isEmpty())
        return;
    throw AppError(access == Access::Read
                       ? WholeFileMessages::tr(
                             "Cannot read the file: no file name is set in the host's settings.")
                       : WholeFileMessages::tr(
                             "Cannot write the file: no file name is set in the host's settings."));
}

// Write permission bits are checked on top of access(), since root passes access() for any file.
bool hasWriteBit(const QFileInfo& info)
{
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (info.permissions() & anyWrite) != 0;
}

// The system's own limit on links followed in a row.
constexpr int mostLinks = 40;

// A folder as the system reaches it: its links followed and each ".." taken on disk, where a
// tidy-up of the text would step back from the link instead of from where it leads. Empty where
// the folder does not exist.
QString physicalFolder(const QString& folder)
{
    return QFileInfo(folder).canonicalFilePath();
}

QString absoluteUncleaned(const QString& path)
{
    return QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path;
}

// Folders resolved as far as they exist, so that two spellings of a file not yet there compare
// equal.
QString resolvedPath(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString absolute = absoluteUncleaned(path);
    const qsizetype cut = absolute.lastIndexOf(QLatin1Char('/'));
    const QString folder = physicalFolder(cut <= 0 ? QStringLiteral("/") : absolute.left(cut));
    return folder.isEmpty() ? QDir::cleanPath(absolute)
                            : QDir(folder).filePath(absolute.mid(cut + 1));
}

#ifdef Q_OS_UNIX
// A link's own text, not tidied up; nothing for a file that is no link.
std::optional<QString> linkText(const QString& path)
{
    QByteArray target(4096, Qt::Uninitialized);
    const ssize_t size =
        ::readlink(QFile::encodeName(path).constData(), target.data(), size_t(target.size()));
    if (size < 0)
        return std::nullopt;
    target.truncate(size);
    return QFile::decodeName(target);
}

// Where a path leads: its links followed one by one as the system follows them, each from the
// folder it really stands in, to a file that need not exist yet. Every check and the write itself
// use this one path, so that a link can lead neither past a check nor somewhere the check did not
// look.
QString resolvedTarget(const QString& path)
{
    QString current = absoluteUncleaned(path);
    for (int links = 0;; ++links) {
        const qsizetype cut = current.lastIndexOf(QLatin1Char('/'));
        const QString name = current.mid(cut + 1);
        const QString folder = physicalFolder(cut <= 0 ? QStringLiteral("/") : current.left(cut));
        if (folder.isEmpty() || name.isEmpty() || name == u"." || name == u"..")
            return resolvedPath(current);
        const QString candidate = QDir(folder).filePath(name);
        const std::optional<QString> target = linkText(candidate);
        if (!target)
            return candidate;
        if (links == mostLinks)
            failWrite(path, systemCause(ELOOP));
        current = QDir::isAbsolutePath(*target) ? *target : folder + QLatin1Char('/') + *target;
    }
}
#else
QString resolvedTarget(const QString& path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int links = 0;; ++links) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            break;
        if (links == mostLinks)
            failWrite(path, systemCause(ELOOP));
        const QString target = info.symLinkTarget();
        current = QDir::isAbsolutePath(target) ? target : info.absoluteDir().filePath(target);
    }
    return resolvedPath(current);
}
#endif

// A folder that is not there takes the new file as far as this look goes: the write then says
// what stops it.
bool folderTakesNewFile(const QFileInfo& target)
{
    const QString folder = target.absolutePath();
    return !QFileInfo(folder).isDir() || FileFailure::folderTakesNewFiles(folder);
}

// Why the file cannot be looked at, in the system's words (a folder on the way that may not be
// searched); empty where it can, or is simply not there.
QString lookFailure(const QString& target)
{
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(target).constData(), &status) == 0 || errno == ENOENT)
        return {};
    return systemCause(errno);
#else
    Q_UNUSED(target);
    return {};
#endif
}

// Why no new file can go into the file's folder: the system's cause where it has one of its own
// (a read-only file system), else the folder's mode.
QString newFileRefusal(const QFileInfo& target)
{
#ifdef Q_OS_UNIX
    if (::access(QFile::encodeName(target.absolutePath()).constData(), W_OK) != 0 &&
        errno != EACCES)
        return systemCause(errno);
#endif
    return WholeFileMessages::tr("its folder is read-only");
}

// The file is replaced through a new file in its folder. Where the folder takes none but the
// file itself may be written, it is written in place.
enum class Replace { ThroughNewFile, InPlace };

Replace checkWritable(const QString& path, const QString& target)
{
    if (const QString cause = lookFailure(target); !cause.isEmpty())
        failWrite(path, cause);
    const QFileInfo info(target);
    if (info.exists() && !info.isFile())
        failWrite(path, WholeFileMessages::tr("it is not a regular file"));
    if (info.exists() && (!info.isWritable() || !hasWriteBit(info)))
        failWrite(path, WholeFileMessages::tr("the file is read-only"));
    if (folderTakesNewFile(info))
        return Replace::ThroughNewFile;
    if (!info.exists())
        failWrite(path, newFileRefusal(info));
    return Replace::InPlace;
}

constexpr size_t hashSeed = 0x48414c564558ULL;

#ifdef Q_OS_LINUX
bool mustKeep(const QByteArray& attribute)
{
    // Labels of the security modules and trusted attributes are the system's to give.
    return attribute.startsWith("user.") || attribute.startsWith("system.");
}

// Extended attributes carry the access control list and the user's own notes on the file.
void keepExtendedAttributes(QFileDevice& file, const QString& path, const QByteArray& target)
{
    QByteArray names(65536, Qt::Uninitialized);
    const ssize_t listed = ::listxattr(target.constData(), names.data(), size_t(names.size()));
    if (listed <= 0)
        return;
    QByteArray value(65536, Qt::Uninitialized);
    for (const QByteArray& name : names.first(listed).split('\0')) {
        if (name.isEmpty())
            continue;
        const ssize_t size =
            ::getxattr(target.constData(), name.constData(), value.data(), size_t(value.size()));
        if ((size < 0 || ::fsetxattr(file.handle(), name.constData(), value.constData(),
                                     size_t(size), 0) != 0) &&
            mustKeep(name))
            failWrite(path, WholeFileMessages::tr("its extended attribute %1 cannot be kept: %2")
                                .arg(QString::fromUtf8(name), systemCause(errno)));
    }
}
#endif

// The new file keeps the old one's extended attributes, and its owner and group where the
// program may give them, as root may: a file saved with sudo stays its owner's. Elsewhere it
// stays the writer's. The mode is set last, since a change of owner clears set-group-ID.
void keepOwnerAndAttributes(QFileDevice& file, const QString& path, const QString& target)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(target);
    struct stat old;
    if (::stat(name.constData(), &old) != 0)
        return;
#ifdef Q_OS_LINUX
    keepExtendedAttributes(file, path, name);
#else
    Q_UNUSED(path);
#endif
    if (::fchown(file.handle(), old.st_uid, old.st_gid) != 0) {
        // Not ours to give.
    }
    if (::fchmod(file.handle(), old.st_mode & 07777) != 0) {
        // The mode QSaveFile gave stays.
    }
#else
    Q_UNUSED(file);
    Q_UNUSED(path);
    Q_UNUSED(target);
#endif
}

void requireOnDisk([[maybe_unused]] QFileDevice& file, [[maybe_unused]] const QString& path)
{
#ifdef Q_OS_UNIX
    if (::fdatasync(file.handle()) != 0)
        failWrite(path, systemCause(errno));
#endif
}

// A file with more than one name is one file: replaced through a new file, the other names would
// keep the old content.
bool hasOtherNames(const QString& target)
{
#ifdef Q_OS_UNIX
    struct stat status;
    return ::stat(QFile::encodeName(target).constData(), &status) == 0 && status.st_nlink > 1;
#else
    Q_UNUSED(target);
    return false;
#endif
}

// A device without a text of its own says Qt's "Unknown error", in the language Qt speaks.
bool saysNothing(const QString& errorText)
{
    return errorText.startsWith(u"Unknown") || errorText == QBuffer().errorString();
}

// After a short write QSaveFile has no text for the cause; errno still holds it.
QString writeErrorText(const QIODevice& file)
{
    const int cause = errno;
    const auto* fileDevice = qobject_cast<const QFileDevice*>(&file);
    if (fileDevice && fileDevice->error() != QFileDevice::NoError &&
        !saysNothing(file.errorString()))
        return file.errorString();
    return cause ? systemCause(cause) : WholeFileMessages::tr("the disk is full");
}

} // namespace

QString displayPath(const QString& path)
{
    QString shown;
    for (const QChar c : QDir::toNativeSeparators(path)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    if (shown.size() > longestShownPath) {
        const qsizetype part = longestShownPath / 2 - 2;
        shown = shown.first(part) + QStringLiteral(" … ") + shown.last(part);
    }
    return shown;
}

namespace WholeFile {

Reader::Reader(const QString& path) : m_path(path), m_file(path), m_hash(hashSeed)
{
    requireName(Access::Read, path);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        fail(Access::Read, path, WholeFileMessages::tr("it is not a regular file"));
    if (!m_file.open(QIODevice::ReadOnly))
        fail(Access::Read, path, m_file.errorString());
    if (m_file.size() > maxReadSize)
        fail(Access::Read, path,
             WholeFileMessages::tr("the file is larger than %1 MiB").arg(maxReadSize >> 20));
}

// A read may return less than asked before the end; a piece is filled up to its size.
std::optional<QByteArrayView> Reader::next()
{
    if (m_ended)
        return std::nullopt;
    m_piece.resize(pieceSize);
    qint64 filled = 0;
    while (filled < pieceSize) {
        const qint64 got = m_file.read(m_piece.data() + filled, pieceSize - filled);
        if (got < 0)
            fail(Access::Read, m_path, m_file.errorString());
        if (got == 0)
            break;
        filled += got;
    }
    m_ended = filled < pieceSize;
    m_hash = qHashBits(m_piece.constData(), size_t(filled), m_hash);
    return QByteArrayView(m_piece).first(filled);
}

void Reader::drain()
{
    while (next()) {
    }
}

QByteArray read(const QString& path)
{
    Reader reader(path);
    QByteArray bytes;
    while (const std::optional<QByteArrayView> piece = reader.next())
        bytes.append(*piece);
    return bytes;
}

std::optional<quint64> fileHash(const QString& path)
{
    try {
        Reader reader(path);
        reader.drain();
        return reader.hash();
    } catch (const AppError&) {
        return std::nullopt;
    }
}

void write(const QString& path, const std::function<void(QIODevice& file)>& produce,
           const std::function<void(const QString& target)>& vetTarget)
{
    requireName(Access::Write, path);
    const QString target = resolvedTarget(path);
    const Replace replace = checkWritable(path, target);
    if (vetTarget)
        vetTarget(target);
    if (replace == Replace::InPlace || hasOtherNames(target)) {
        // The whole content is made before the file is touched.
        QBuffer made;
        made.open(QIODevice::WriteOnly);
        produce(made);
        InPlaceWrite::write(path, target, made.data());
        return;
    }
    // Unbuffered, so that a short write (disk full, a file-size limit) shows in write()'s count:
    // QSaveFile's commit() does not notice a failed flush of its buffer and would put the cut
    // file in place.
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        failWrite(path, file.errorString());
    produce(file);
    keepOwnerAndAttributes(file, path, target);
    // QSaveFile flushes before the rename but does not look at the result: a new file that may
    // never reach the disk must not take the old one's place.
    requireOnDisk(file, path);
    if (!file.commit())
        failWrite(path, file.errorString());
}

void write(const QString& path, const QByteArray& bytes)
{
    write(path, [&](QIODevice& file) { writeAll(file, bytes, path); });
}

namespace {

// The disk starts on each piece while the next one is made, so that the flush before the new
// file takes the old one's place waits for the last piece only. A hint: the flush still decides.
void startWriteBack([[maybe_unused]] QIODevice& file, [[maybe_unused]] qint64 size)
{
#ifdef Q_OS_LINUX
    auto* device = qobject_cast<QFileDevice*>(&file);
    if (device && device->handle() >= 0)
        ::sync_file_range(device->handle(), device->pos() - size, size, SYNC_FILE_RANGE_WRITE);
#endif
}

} // namespace

void writeAll(QIODevice& file, QByteArrayView bytes, const QString& path)
{
    if (file.write(bytes.data(), bytes.size()) != bytes.size())
        failWrite(path, writeErrorText(file));
    startWriteBack(file, bytes.size());
}

Identity identity(const QString& path)
{
    Identity id;
    if (path.isEmpty())
        return id;
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        // Only "not there" means not there: a file behind a loop of links or a folder that
        // cannot be searched may well exist, and must not be taken for missing.
        id.exists = errno != ENOENT && errno != ENOTDIR;
        return id;
    }
    id.exists = true;
    id.known = true;
    id.device = quint64(status.st_dev);
    id.inode = quint64(status.st_ino);
    id.size = qint64(status.st_size);
    id.modifiedNs = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return id;
    id.exists = true;
    id.known = true;
    id.inode = qHash(resolvedPath(path));
    id.size = info.size();
    id.modifiedNs = info.lastModified(QTimeZone::UTC).toMSecsSinceEpoch() * 1000000;
#endif
    return id;
}

QStringList leftCopies(const QString& path)
{
    if (path.isEmpty())
        return {};
    try {
        return InPlaceWrite::leftCopies(resolvedTarget(path));
    } catch (const AppError&) {
        return {}; // a loop of links: no file, and no copy of one
    }
}

bool sameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (a == b)
        return true;
    const Identity first = identity(a);
    const Identity second = identity(b);
    if ((first.exists && !first.known) || (second.exists && !second.known))
        return false;
    if (first.exists && second.exists)
        return first.device == second.device && first.inode == second.inode;
    if (first.exists != second.exists)
        return false;
    // Neither is there yet: the same file once written, where their links lead.
    try {
        return resolvedTarget(a) == resolvedTarget(b);
    } catch (const AppError&) {
        return resolvedPath(a) == resolvedPath(b);
    }
}

} // namespace WholeFile
