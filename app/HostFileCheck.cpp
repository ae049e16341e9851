#include "app/HostFileCheck.h"

#include "common/EditedFile.h"
#include "common/LineFile.h"
#include "mime/MimeTypesDocument.h"
#include "platform/AppError.h"
#include "procedures/ProceduresDocument.h"
#include "toolbar/Picture.h"
#include "toolbar/ToolbarDocument.h"

#include <QCoreApplication>

#include <optional>

namespace {

std::optional<AppError> stoppedBy(const ToolbarRead& read)
{
    return read.stoppedBy;
}

std::optional<AppError> stoppedBy(const ProceduresRead& read)
{
    return read.stoppedBy;
}

std::optional<AppError> stoppedBy(const MimeTypesRead&)
{
    return std::nullopt;
}

// The file's lines through its editor's reader, as the editor opens it: the line that stopped
// the reader, or the NUL that cut the file short.
template <class Read>
QString lineFileProblem(HostFile file, const HostOptions& options, Read (*reader)(LineSource&))
{
    EditedFile edited(file, options);
    std::optional<AppError> stopped;
    qsizetype lastLine = 0;
    edited.read([&](LineSource& lines) {
        const Read read = reader(lines);
        stopped = stoppedBy(read);
        lastLine = lines.lineNumber();
        return read.whole;
    });
    if (stopped)
        return stopped->message();
    if (!edited.readWhole())
        return QCoreApplication::translate("HostFileCheck",
                                           "Line %1 holds a NUL character, which ends what is "
                                           "read: the editor shows only what comes before it.")
            .arg(lastLine);
    return {};
}

QString problemOf(HostFile file, const QString& path, const HostOptions& options)
{
    const QString otherUse = otherUseOf(file, path, options);
    if (!otherUse.isEmpty())
        return otherUse;
    switch (file) {
    case HostFile::Toolbar:
        return lineFileProblem<ToolbarRead>(file, options, readToolbar);
    case HostFile::ImageStrip:
        requireOneImage(loadPicture(path, hostFileTitle(file)), path);
        return {};
    case HostFile::Procedures:
        return lineFileProblem<ProceduresRead>(file, options, readProcedures);
    case HostFile::MimeTypes:
        return lineFileProblem<MimeTypesRead>(file, options, readMimeTypes);
    }
    return {};
}

} // namespace

QList<HostFileCheck> checkHostFiles(const HostOptions& options)
{
    QList<HostFileCheck> checks;
    for (const HostFile file : everyHostFile) {
        HostFileCheck check{file, {}, {}};
        try {
            check.path = hostFilePath(file, options);
            check.problem = problemOf(file, check.path, options);
        } catch (const AppError& error) {
            check.problem = error.message();
        }
        checks.append(check);
    }
    return checks;
}
