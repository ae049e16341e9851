#include "platform/InPlaceWrite.h"

#include "platform/ConfigFolder.h"
#include "platform/FileFailure.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

using FileFailure::failWrite;
using FileFailure::systemCause;

namespace {

struct WholeFileMessages
{
    Q_DECLARE_TR_FUNCTIONS(WholeFile)
};

constexpr int copyLetters = 6;

#ifdef Q_OS_UNIX
// Both kinds of lock are taken, since other programs hold one or the other. The record lock is
// one of the open file, not of the process: a lock of the process would be dropped the moment
// any descriptor of the file closed, also one opened to read it.
bool lockWhole(int fd)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return false;
    struct flock whole = {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
#ifdef F_OFD_SETLK
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0)
        return true;
#else
    if (::fcntl(fd, F_SETLK, &whole) == 0)
        return true;
#endif
    ::flock(fd, LOCK_UN);
    return false;
}

// Empty when the bytes written so far are on the disk, else the system's cause.
QString flushed(int fd)
{
    return ::fdatasync(fd) == 0 ? QString() : systemCause(errno);
}

// A new name in a folder is on the disk only once the folder itself was flushed.
QString folderFlushed(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return systemCause(errno);
    const QString cause = ::fsync(fd) == 0 ? QString() : systemCause(errno);
    ::close(fd);
    return cause;
}
#else
bool lockWhole(int)
{
    return true;
}

QString flushed(int)
{
    return {};
}

QString folderFlushed(const QString&)
{
    return {};
}
#endif

// A file written in place cannot be had back whole from the file itself if the write stops
// half-way, so what would stop it is looked for first: a file-size limit below the new size,
// or a disk without room for what the file grows by.
void requireRoom(const QString& path, const QString& target, qint64 newSize)
{
#ifdef Q_OS_UNIX
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        rlim_t(newSize) > limit.rlim_cur)
        failWrite(path, systemCause(EFBIG));
    struct statvfs disk;
    const qint64 growth = newSize - QFileInfo(target).size();
    if (growth > 0 && ::statvfs(QFile::encodeName(target).constData(), &disk) == 0 &&
        qint64(disk.f_bavail) * qint64(disk.f_frsize) < growth)
        failWrite(path, systemCause(ENOSPC));
#else
    Q_UNUSED(path);
    Q_UNUSED(target);
    Q_UNUSED(newSize);
#endif
}

// The file, open once for the whole write and locked from before its old content is read until
// its new content was read back: two copies of the program writing it at once would each take
// the other's half-written content for the old one to put back.
class LockedFile
{
public:
    LockedFile(const QString& path, const QString& target) : m_path(path), m_file(target)
    {
        if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
            failWrite(path, m_file.errorString());
        const QDeadlineTimer deadline(WholeFile::lockWaitMs);
        while (!lockWhole(m_file.handle())) {
            if (deadline.hasExpired())
                failWrite(path, WholeFileMessages::tr("another program holds the file locked; "
                                                      "close it there and try again"));
            QThread::msleep(50);
        }
    }

    // Nothing when the file cannot be read.
    std::optional<QByteArray> content()
    {
        if (!m_file.seek(0))
            return std::nullopt;
        QByteArray bytes = m_file.readAll();
        if (m_file.error() != QFileDevice::NoError)
            return std::nullopt;
        return bytes;
    }

    QByteArray requireContent()
    {
        std::optional<QByteArray> bytes = content();
        if (!bytes)
            failWrite(m_path, m_file.errorString());
        return *bytes;
    }

    // Empty once the bytes are the file's content on the disk; else the cause.
    QString overwrite(QByteArrayView bytes)
    {
        m_file.unsetError();
        if (!m_file.seek(0) || m_file.write(bytes.data(), bytes.size()) != bytes.size() ||
            !m_file.resize(bytes.size()))
            return m_file.errorString();
        return flushed(m_file.handle());
    }

private:
    QString m_path;
    QFile m_file;
};

// Readable by the owner alone: the file may be private.
void keepPrivate([[maybe_unused]] QFileDevice& copy)
{
#ifdef Q_OS_UNIX
    if (::fchmod(copy.handle(), 0600) != 0) {
        // The mode the copy was made with stays: the folder's own rules.
    }
#endif
}

QString randomLetters()
{
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString made;
    for (int i = 0; i < copyLetters; ++i)
        made += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return made;
}

// Where the program's own folder keeps a copy, the whole path names the file, so that copies of
// two files of one name in two folders are told apart: "/" is written "%2F", "%" "%25".
QString copyNameInStateFolder(const QString& target)
{
    QString name = target;
    name.replace(QLatin1Char('%'), QStringLiteral("%25"))
        .replace(QLatin1Char('/'), QStringLiteral("%2F"));
    return name;
}

// The names a copy of target's old content may have, without the letters that make it unique:
// beside the file where its folder takes a new file, else in the program's own folder.
QStringList copyPrefixes(const QString& target)
{
    QStringList prefixes;
    const QFileInfo file(target);
    prefixes << file.absoluteFilePath() + WholeFile::backupSuffix;
    if (const std::optional<QString> state = programStateFolder())
        prefixes << *state + QLatin1Char('/') + copyNameInStateFolder(file.absoluteFilePath()) +
                        WholeFile::backupSuffix;
    return prefixes;
}

// A copy of the old content under a name of its own, written whole and on the disk, its name
// too, before the first byte of the file is overwritten.
class OldContentCopy
{
public:
    OldContentCopy(const QString& path, const QString& target, QByteArrayView old)
    {
        QString cause;
        for (const QString& prefix : copyPrefixes(target)) {
            const QString folder = QFileInfo(prefix).absolutePath();
            if (!QDir().mkpath(folder) || !FileFailure::folderTakesNewFiles(folder))
                continue;
            cause = write(prefix, old);
            if (cause.isEmpty())
                return;
        }
        failWrite(path,
                  WholeFileMessages::tr("no copy of its old content could be kept (%1), so "
                                        "it was not written over")
                      .arg(cause.isEmpty() ? WholeFileMessages::tr("no folder takes it") : cause));
    }

    void remove() { QFile::remove(m_fileName); }

private:
    // Empty once the copy is on the disk; else the cause, and no copy is left. The copy takes
    // its name only once it is whole, so that a kill while it is made leaves none to be taken
    // for the old content.
    QString write(const QString& prefix, QByteArrayView old)
    {
        QString name;
        do
            name = prefix + randomLetters();
        while (QFileInfo::exists(name));
        QSaveFile copy(name);
        copy.setDirectWriteFallback(false);
        if (!copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return copy.errorString();
        keepPrivate(copy);
        QString cause = copy.write(old.data(), old.size()) == old.size() ? flushed(copy.handle())
                                                                         : copy.errorString();
        if (cause.isEmpty() && !copy.commit())
            cause = copy.errorString();
        if (cause.isEmpty())
            cause = folderFlushed(QFileInfo(name).absolutePath());
        if (!cause.isEmpty()) {
            QFile::remove(name);
            return cause;
        }
        m_fileName = name;
        return {};
    }

    QString m_fileName;
};

// Should the write not end as written, the old content goes back into the file; the copy goes
// only once the file holds it on the disk again.
class PutBackUnlessWritten
{
public:
    PutBackUnlessWritten(LockedFile& file, const QByteArray& old, OldContentCopy& copy)
        : m_file(file), m_old(old), m_copy(copy)
    {
    }
    ~PutBackUnlessWritten()
    {
        if (m_written)
            return;
        if (m_file.overwrite(m_old).isEmpty() && m_file.content() == m_old)
            m_copy.remove();
    }
    PutBackUnlessWritten(const PutBackUnlessWritten&) = delete;
    PutBackUnlessWritten& operator=(const PutBackUnlessWritten&) = delete;

    void written() { m_written = true; }

private:
    LockedFile& m_file;
    const QByteArray& m_old;
    OldContentCopy& m_copy;
    bool m_written = false;
};

} // namespace

namespace InPlaceWrite {

void write(const QString& path, const QString& target, QByteArrayView bytes)
{
    requireRoom(path, target, bytes.size());
    LockedFile file(path, target);
    const QByteArray old = file.requireContent();
    OldContentCopy copy(path, target, old);
    PutBackUnlessWritten putBack(file, old, copy);
    if (const QString cause = file.overwrite(bytes); !cause.isEmpty())
        failWrite(path, cause);
    if (const std::optional<QByteArray> back = file.content(); !back || *back != bytes)
        failWrite(path, WholeFileMessages::tr("it was written in place and does not read back as "
                                              "written"));
    putBack.written();
    copy.remove();
}

QStringList leftCopies(const QString& target)
{
    QFileInfoList found;
    for (const QString& prefix : copyPrefixes(target)) {
        const QFileInfo start(prefix);
        const QString name = start.fileName();
        const QFileInfoList entries =
            QDir(start.absolutePath()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QFileInfo& entry : entries) {
            const QString entryName = entry.fileName();
            if (entryName.size() == name.size() + copyLetters && entryName.startsWith(name))
                found << entry;
        }
    }
    std::sort(found.begin(), found.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() > b.lastModified();
    });
    QStringList copies;
    for (const QFileInfo& copy : std::as_const(found))
        copies << copy.absoluteFilePath();
    return copies;
}

} // namespace InPlaceWrite
