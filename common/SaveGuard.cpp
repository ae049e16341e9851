#include "common/SaveGuard.h"

#include "common/Modal.h"
#include "platform/WholeFile.h"

#include <QFileInfo>

bool mayReplaceFile(QWidget* parent, ReadExtent extent, const QString& path)
{
    if (extent != ReadExtent::Partial)
        return true;
    return Modal::confirm(
        parent,
        QStringLiteral("The file \"%1\" could not be read whole when this window opened, so "
                       "it holds more than is shown here.\n\nReplace it with what is "
                       "shown, and lose the part that was not read?")
            .arg(displayPath(path)));
}

bool mayReplaceFile(QWidget* parent, ReadExtent extent, const QString& loadedPath,
                    const QString& path)
{
    if (path != loadedPath)
        extent = QFileInfo::exists(path) ? ReadExtent::Partial : ReadExtent::NoFile;
    return mayReplaceFile(parent, extent, path);
}
