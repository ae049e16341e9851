#pragma once

#include <QString>

// What the whole-file reads and writes share: their messages, which name the file and the
// cause, and the look at a folder before a new file goes into it.
namespace FileFailure {

enum class Access { Read, Write };

// Throws "Cannot read (or write) "path": cause.".
[[noreturn]] void fail(Access access, const QString& path, const QString& cause);
[[noreturn]] inline void failWrite(const QString& path, const QString& cause)
{
    fail(Access::Write, path, cause);
}
// The system's words for an errno value.
QString systemCause(int error);

// Whether a new file may go into the folder: write permission bits as well as access(), since
// root passes access() for any folder. A folder that is not there takes none, and says so when
// the write tries.
bool folderTakesNewFiles(const QString& folder);

} // namespace FileFailure
