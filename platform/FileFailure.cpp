#include "platform/FileFailure.h"

#include "platform/AppError.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstring>

namespace {

struct WholeFileMessages
{
    Q_DECLARE_TR_FUNCTIONS(WholeFile)
};

} // namespace

namespace FileFailure {

void fail(Access access, const QString& path, const QString& cause)
{
    const QString message = access == Access::Read
                                //: %1 is a path, %2 the cause: the system's or one below.
                                ? WholeFileMessages::tr("Cannot read \"%1\": %2.")
                                : WholeFileMessages::tr("Cannot write \"%1\": %2.");
    throw AppError(message.arg(displayPath(path), cause));
}

QString systemCause(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool folderTakesNewFiles(const QString& folder)
{
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable() && (info.permissions() & anyWrite) != 0;
}

} // namespace FileFailure
