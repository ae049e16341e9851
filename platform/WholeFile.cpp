#include "platform/WholeFile.h"

#include "platform/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace {

constexpr qsizetype longestShownPath = 260;

[[noreturn]] void fail(const QString& verb, const QString& path, const QString& cause)
{
    throw AppError(QStringLiteral("Cannot %1 \"%2\": %3.").arg(verb, displayPath(path), cause));
}

void requireName(const QString& verb, const QString& path)
{
    if (path.isEmpty())
        throw AppError(QStringLiteral("Cannot %1 the file: no file name is set in the host's "
                                      "settings.")
                           .arg(verb));
}

// Write permission bits are checked on top of access(), since root passes access() for any file.
bool hasWriteBit(const QFileInfo& info)
{
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (info.permissions() & anyWrite) != 0;
}

// The file is replaced through a new file in its folder, so the folder must take one too.
void checkWritable(const QString& path)
{
    const QString verb = QStringLiteral("write");
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (folder.isDir() && (!folder.isWritable() || !hasWriteBit(folder)))
        fail(verb, path, QStringLiteral("its folder is read-only"));
    if (!info.exists())
        return;
    if (!info.isFile())
        fail(verb, path, QStringLiteral("it is not a regular file"));
    if (!info.isWritable() || !hasWriteBit(info))
        fail(verb, path, QStringLiteral("the file is read-only"));
}

// After a short write QSaveFile has no text for the cause; errno still holds it.
QString writeErrorText(const QSaveFile& file)
{
    const int cause = errno;
    if (file.error() != QFileDevice::NoError && !file.errorString().startsWith(u"Unknown"))
        return file.errorString();
    return cause ? QString::fromLocal8Bit(std::strerror(cause))
                 : QStringLiteral("the disk is full");
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

QByteArray read(const QString& path)
{
    const QString verb = QStringLiteral("read");
    requireName(verb, path);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        fail(verb, path, QStringLiteral("it is not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(verb, path, file.errorString());
    if (file.size() > maxReadSize)
        fail(verb, path, QStringLiteral("the file is larger than %1 MiB").arg(maxReadSize >> 20));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(verb, path, file.errorString());
    return bytes;
}

void write(const QString& path, const QByteArray& bytes)
{
    const QString verb = QStringLiteral("write");
    requireName(verb, path);
    checkWritable(path);
    // Unbuffered, so that a short write (disk full, a file-size limit) shows in write()'s count:
    // QSaveFile's commit() does not notice a failed flush of its buffer and would put the cut
    // file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(verb, path, file.errorString());
    if (file.write(bytes) != bytes.size())
        fail(verb, path, writeErrorText(file));
    if (!file.commit())
        fail(verb, path, file.errorString());
}

} // namespace WholeFile
