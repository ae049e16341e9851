#pragma once

#include "common/HostFiles.h"

#include <QStringList>

class LineSink;

// The built-in contents of the host's three files, as written by a reset.
QStringList defaultHTMLToolbarLines();
QStringList defaultCstProcsLines();
QStringList defaultMIMETypesLines();

// The built-in contents of one of the three files (none for the image strip), and their writer.
QStringList defaultLines(HostFile file);
void writeDefaultLines(LineSink& lines, HostFile file);
