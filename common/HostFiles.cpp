#include "common/HostFiles.h"

#include "common/HostOptions.h"
#include "platform/AppError.h"
#include "platform/PlacementStore.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QDir>

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

QString hostSettingName(HostFile file)
{
    switch (file) {
    case HostFile::Toolbar:
        return Opt_HTMLToolbarCFG;
    case HostFile::ImageStrip:
        return Opt_HTMLToolbarGlyphs;
    case HostFile::Procedures:
        return Opt_AppPath;
    case HostFile::MimeTypes:
        return Opt_MIMEPraserCFG;
    }
    return {};
}

// A path relative to nothing in particular would be taken from whatever folder the program was
// started in, and a reset would create the file there.
QString hostFilePath(HostFile file, const HostOptions& options)
{
    const QString setting = hostSettingName(file);
    const QString value = options.readString(setting);
    if (value.isEmpty())
        throw AppError(
            //: %1 is a file's title ("HTML toolbar file"), %2 the setting's name.
            HostFilesMessages::tr("The host's settings name no %1: %2 is empty or not set.")
                .arg(hostFileTitle(file), setting));
    if (QDir::isRelativePath(value))
        throw AppError(
            //: %1 is the setting's name, %2 its value.
            HostFilesMessages::tr("The host's setting %1 is \"%2\", which is not a full path: "
                                  "the file would be looked for in whatever folder this program "
                                  "was started from. Correct it in the host.")
                .arg(setting, displayPath(value)));
    return file == HostFile::Procedures ? value + QStringLiteral("CstProcs.dat") : value;
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

bool isHostFile(const QString& path, const HostOptions& options)
{
    if (WholeFile::sameFile(path, options.settingsFilePath()))
        return true;
    for (const HostFile file : everyHostFile) {
        if (WholeFile::sameFile(path, readablePath(file, options)))
            return true;
    }
    return false;
}
