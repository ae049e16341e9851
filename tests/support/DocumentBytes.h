#pragma once

#include "common/DocumentText.h"
#include "common/LineFile.h"
#include "mime/MimeTypesDocument.h"
#include "procedures/ProceduresDocument.h"
#include "toolbar/ToolbarDocument.h"

#include <QByteArray>
#include <QString>

// The bytes that a writer gives for a file of that name, kept in memory: what a save would put
// on disk, compared without a disk.
template <class Writer> QByteArray lineFileBytes(const QString& fileName, Writer write)
{
    FileLineWriter lines(fileName);
    write(lines);
    return lines.take();
}

inline QByteArray writeToolbar(const ToolbarDocument& document, const QString& fileName)
{
    return lineFileBytes(fileName, [&](LineSink& lines) { writeToolbar(lines, document); });
}

inline QByteArray writeMimeTypes(const MimeTypesDocument& document, const QString& fileName)
{
    return lineFileBytes(fileName, [&](LineSink& lines) { writeMimeTypes(lines, document); });
}

inline QByteArray writeProcedures(const ProceduresDocument& document, const QString& fileName)
{
    return lineFileBytes(fileName, [&](LineSink& lines) { writeProcedures(lines, document); });
}

// For QCOMPARE.
inline char* toString(const DocumentText& text)
{
    return qstrdup(text.utf8().toByteArray().constData());
}
