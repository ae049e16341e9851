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

// The file's lines through its editor's reader, as the editor opens it: the line that stopped
// the reader, or the NUL that cut the file short.
template <class Document>
QString lineFileProblem(HostFile file, const HostOptions& options,
                        LineFileRead<Document> (*reader)(LineSource&))
{
    EditedFile edited(file, options);
    const LineFileRead<Document> read = edited.read(reader);
    if (read.stoppedBy)
        return read.stoppedBy->message();
    if (!read.whole)
        return QCoreApplication::translate("HostFileCheck",
                                           "Line %1 holds a NUL character, which ends what is "
                                           "read: the editor shows only what comes before it.")
            .arg(read.linesRead);
    return {};
}

QString problemOf(HostFile file, const QString& path, const HostOptions& options)
{
    const QString otherUse = otherUseOf(file, path, options);
    if (!otherUse.isEmpty())
        return otherUse;
    switch (file) {
    case HostFile::Toolbar:
        return lineFileProblem<ToolbarDocument>(file, options, readToolbar);
    case HostFile::ImageStrip:
        requireOneImage(loadPicture(path, hostFileTitle(file)), path);
        return {};
    case HostFile::Procedures:
        return lineFileProblem<ProceduresDocument>(file, options, readProcedures);
    case HostFile::MimeTypes:
        return lineFileProblem<MimeTypesDocument>(file, options, readMimeTypes);
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
