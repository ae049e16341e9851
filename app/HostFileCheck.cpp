#include "app/HostFileCheck.h"

#include "common/EditedFile.h"
#include "common/LineFile.h"
#include "mime/MimeTypesDocument.h"
#include "platform/AppError.h"
#include "platform/WholeFile.h"
#include "procedures/ProceduresDocument.h"
#include "toolbar/Picture.h"
#include "toolbar/ToolbarDocument.h"

#include <QCoreApplication>

#include <optional>

namespace {

// The file's lines through its editor's reader, as the editor opens it: the line that stopped
// the reader, or the NUL that cut the file short.
template <class Document>
void checkLineFile(HostFileCheck& check, const HostOptions& options,
                   LineFileRead<Document> (*reader)(LineSource&))
{
    EditedFile edited(check.file, options);
    const LineFileRead<Document> read = edited.read(reader);
    for (const DroppedText& dropped : read.dropped.first())
        check.notes << describeDroppedText(dropped);
    if (read.dropped.count() > read.dropped.first().size())
        check.notes << QCoreApplication::translate("HostFileCheck", "%1 more lines hold text "
                                                                    "that is not kept.")
                           .arg(read.dropped.count() - read.dropped.first().size());
    if (read.stoppedBy)
        check.problem = read.stoppedBy->message();
    else if (!read.whole)
        check.problem = QCoreApplication::translate("HostFileCheck",
                                                    "Line %1 holds a NUL character, which ends "
                                                    "what is read: the editor shows only what "
                                                    "comes before it.")
                            .arg(read.linesRead);
}

void checkFile(HostFileCheck& check, const HostOptions& options)
{
    check.problem = otherUseOf(check.file, check.path, options);
    if (!check.problem.isEmpty())
        return;
    switch (check.file) {
    case HostFile::Toolbar:
        return checkLineFile<ToolbarDocument>(check, options, readToolbar);
    case HostFile::ImageStrip:
        requireOneImage(loadPicture(check.path, hostFileTitle(check.file)), check.path);
        return;
    case HostFile::Procedures:
        return checkLineFile<ProceduresDocument>(check, options, readProcedures);
    case HostFile::MimeTypes:
        return checkLineFile<MimeTypesDocument>(check, options, readMimeTypes);
    }
}

// A copy left by a write in place that was cut short holds what the file held before: the file
// itself may hold only part of what was being written.
QString leftCopyProblem(const QString& path)
{
    const QString copy = WholeFile::leftCopies(path).value(0);
    if (copy.isEmpty())
        return {};
    return QCoreApplication::translate("HostFileCheck",
                                       "A save of this file was cut short, and a copy of what "
                                       "the file held before it is kept at \"%1\": its editor "
                                       "offers to put it back.")
        .arg(displayPath(copy));
}

} // namespace

QList<HostFileCheck> checkHostFiles(const HostOptions& options)
{
    QList<HostFileCheck> checks;
    for (const HostFile file : everyHostFile) {
        HostFileCheck check{file, {}, {}, {}};
        try {
            check.path = hostFilePath(file, options);
            checkFile(check, options);
        } catch (const AppError& error) {
            check.problem = error.message();
        }
        if (const QString copy = leftCopyProblem(check.path); !copy.isEmpty())
            check.problem =
                check.problem.isEmpty() ? copy : check.problem + QLatin1Char(' ') + copy;
        checks.append(check);
    }
    return checks;
}
