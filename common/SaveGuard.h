#pragma once

#include "common/LineFile.h"

#include <QString>

class QWidget;

// Before an editor replaces its file: when the file exists but the editor did not read all of
// it, asks whether to replace it and drop what was not read. True when the save may go on.
bool mayReplaceFile(QWidget* parent, ReadExtent extent, const QString& path);

// The same for an editor that read loadedPath: when the host's setting names another file by
// now, that file was not read at all.
bool mayReplaceFile(QWidget* parent, ReadExtent extent, const QString& loadedPath,
                    const QString& path);
