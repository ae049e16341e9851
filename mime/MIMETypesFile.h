#pragma once

#include "common/LineFile.h"

#include <QList>
#include <QString>
#include <QStringList>

class HostOptions;
class MimeTypeTable;

// One entry of the MIME types file: a type and the file-name suffix that belongs to it, each
// exactly as read or typed.
struct MimeType
{
    QString type;
    QString suffix;

    friend bool operator==(const MimeType&, const MimeType&) = default;
};
using MimeTypeList = QList<MimeType>;

// The letters a to z become A to Z; every other character stays, letters outside ASCII too.
QString upperCaseAscii(const QString& text);

// Lines 2k and 2k+1 form entry k; a last line without a partner is left out.
MimeTypeList parseMimeTypeLines(const QStringList& lines);
// Each entry as two lines: its type in upper case, its suffix as it stands.
QStringList mimeTypeLines(const MimeTypeList& types);

// Appends the entries of the file named by Opt_MIMEPraserCFG to the list, after what it holds;
// extent tells how much of the file the list holds, also when reading fails.
void LoadTypes(MimeTypeTable& lvItems, const HostOptions& options, ReadExtent& extent);
// Replaces the file named by Opt_MIMEPraserCFG by the list; no rows give an empty file.
void SaveTypes(const MimeTypeTable& lvItems, const HostOptions& options);
