#include "FailingFlush.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::atomic<bool> failing = false;
char failingFolder[4096];

bool fails(int fd)
{
    if (!failing)
        return false;
    char link[64];
    char path[4096] = {};
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    if (::readlink(link, path, sizeof path - 1) < 0)
        return false;
    return std::strncmp(path, failingFolder, std::strlen(failingFolder)) == 0 &&
           !std::strstr(path, ".halvex-backup-");
}

} // namespace

extern "C" int fsync(int fd)
{
    if (fails(fd)) {
        errno = EIO;
        return -1;
    }
    return int(::syscall(SYS_fsync, fd));
}

extern "C" int fdatasync(int fd)
{
    if (fails(fd)) {
        errno = EIO;
        return -1;
    }
    return int(::syscall(SYS_fdatasync, fd));
}

FailingFlush::FailingFlush(const QString& folder)
{
    const QByteArray name = QFile::encodeName(folder + QLatin1Char('/'));
    std::snprintf(failingFolder, sizeof failingFolder, "%s", name.constData());
    failing = true;
}

FailingFlush::~FailingFlush()
{
    failing = false;
}
