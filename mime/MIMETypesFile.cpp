#include "mime/MIMETypesFile.h"

#include "common/HostOptions.h"
#include "mime/MimeTypeTable.h"

QString upperCaseAscii(const QString& text)
{
    QString upper = text;
    // Only a string that holds a small letter is copied: most types are already in capitals.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'a' && c <= u'z')
            upper[i] = QChar(c - u'a' + u'A');
    }
    return upper;
}

MimeTypeList parseMimeTypeLines(const QStringList& lines)
{
    MimeTypeList types;
    types.reserve(lines.size() / 2);
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2)
        types.append(MimeType{lines[i], lines[i + 1]});
    return types;
}

QStringList mimeTypeLines(const MimeTypeList& types)
{
    QStringList lines;
    lines.reserve(types.size() * 2);
    for (const MimeType& entry : types) {
        lines.append(upperCaseAscii(entry.type));
        lines.append(entry.suffix);
    }
    return lines;
}

void LoadTypes(MimeTypeTable& lvItems, const HostOptions& options, ReadExtent& extent)
{
    const QString path = options.readString(Opt_MIMEPraserCFG);
    const LineFileText file = readLineFile(path, extent);
    lvItems.append(parseMimeTypeLines(file.lines));
}

void SaveTypes(const MimeTypeTable& lvItems, const HostOptions& options)
{
    const QString path = options.readString(Opt_MIMEPraserCFG);
    writeLineFile(path, mimeTypeLines(lvItems.rows()));
}
