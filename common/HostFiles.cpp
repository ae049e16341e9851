#include "common/HostFiles.h"

#include "common/HostOptions.h"
#include "platform/AppError.h"
#include "platform/PlacementStore.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>

namespace {

struct HostFilesMessages
{
    Q_DECLARE_TR_FUNCTIONS(HostFiles)
};

// A setting that names no file (its value is refused) names none of the others either: its own
// role reports it, and it does not stop the others from being checked or written.
QString readablePath(HostFile file, const HostOptions& options)
{
    try {
        return hostFilePath(file, options);
    } catch (const AppError&) {
        return {};
    }
}

} // namespace

QString hostFileTitle(HostFile file)
{
    switch (file) {
    case HostFile::Toolbar:
        //: A file's title, %1 or %2 in other messages and, capitalised, at the start of a line.
        return HostFilesMessages::tr("HTML toolbar file");
    case HostFile::ImageStrip:
        //: Also %1 in "Cannot load the %1 ...".
        return HostFilesMessages::tr("image strip");
    case HostFile::Procedures:
        return HostFilesMessages::tr("standard procedures file");
    case HostFile::MimeTypes:
        return HostFilesMessages::tr("MIME types file");
    }
    return {};
}

QString hostFilePath(HostFile file, const HostOptions& options)
{
    switch (file) {
    case HostFile::Toolbar:
        return options.readString(Opt_HTMLToolbarCFG);
    case HostFile::ImageStrip:
        return options.readString(Opt_HTMLToolbarGlyphs);
    case HostFile::Procedures:
        return proceduresFilePath(options);
    case HostFile::MimeTypes:
        return options.readString(Opt_MIMEPraserCFG);
    }
    return {};
}

QString otherUseOf(HostFile file, const QString& path, const HostOptions& options)
{
    if (WholeFile::sameFile(path, options.settingsFilePath()))
        //: Why a file cannot be written: %3 in "Cannot write \"%1\" as the %2: %3.". The host is
        //: the script editor whose files this program edits.
        return HostFilesMessages::tr("it is the host's settings file");
    if (WholeFile::sameFile(path, PlacementStore::placementFilePath()))
        //: Why a file cannot be written: %3 in "Cannot write \"%1\" as the %2: %3.".
        return HostFilesMessages::tr("it is this program's own file of window positions");
    for (const HostFile other : everyHostFile) {
        if (other != file && WholeFile::sameFile(path, readablePath(other, options)))
            //: Why a file cannot be written; %1 is another file's title.
            return HostFilesMessages::tr("the host's settings name it as the %1 too")
                .arg(hostFileTitle(other));
    }
    return {};
}

void requireOwnFile(HostFile file, const QString& path, const HostOptions& options)
{
    const QString otherUse = otherUseOf(file, path, options);
    if (!otherUse.isEmpty())
        throw AppError(
            HostFilesMessages::tr("Cannot write \"%1\" as the %2: %3. Nothing was written.")
                .arg(displayPath(path), hostFileTitle(file), otherUse));
}
