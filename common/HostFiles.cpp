#include "common/HostFiles.h"

#include "common/HostOptions.h"
#include "platform/AppError.h"
#include "platform/WholeFile.h"

QString hostFileTitle(HostFile file)
{
    switch (file) {
    case HostFile::Toolbar:
        return QStringLiteral("HTML toolbar file");
    case HostFile::ImageStrip:
        return QStringLiteral("image strip");
    case HostFile::Procedures:
        return QStringLiteral("standard procedures file");
    case HostFile::MimeTypes:
        return QStringLiteral("MIME types file");
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
        return QStringLiteral("it is the host's settings file");
    for (const HostFile other : everyHostFile) {
        if (other != file && WholeFile::sameFile(path, hostFilePath(other, options)))
            return QStringLiteral("the host's settings name it as the %1 too")
                .arg(hostFileTitle(other));
    }
    return {};
}

void requireOwnFile(HostFile file, const QString& path, const HostOptions& options)
{
    const QString otherUse = otherUseOf(file, path, options);
    if (!otherUse.isEmpty())
        throw AppError(QStringLiteral("Cannot write \"%1\" as the %2: %3. Nothing was written.")
                           .arg(displayPath(path), hostFileTitle(file), otherUse));
}
