#include "app/HostSettings.h"

#include "common/LineFile.h"
#include "platform/AppError.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

struct HostSettingsMessages
{
    Q_DECLARE_TR_FUNCTIONS(HostSettings)
};

const QString sectionName = QStringLiteral("TMainWindow");

bool isSectionLine(QStringView line)
{
    line = line.trimmed();
    return line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
}

bool isOurSection(QStringView line)
{
    line = line.trimmed();
    return line.sliced(1, line.size() - 2).trimmed().compare(sectionName, Qt::CaseInsensitive) == 0;
}

// A line as text, and whether its bytes were UTF-8 text: bytes that are not read as U+FFFD, and
// a path made of them would name another file.
struct TextLine
{
    QString text;
    bool utf8;
};

QList<TextLine> textLines(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QList<TextLine> lines;
    for (const QByteArrayView line : linesOf(bytes)) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(line);
        lines.append(TextLine{std::move(text), !decoder.hasError()});
    }
    return lines;
}

// A path cannot hold a NUL: the system would take the part before it, and a read and a write
// could reach two different files.
QString checkedValue(const QString& value, const QString& name, const QString& origin)
{
    if (value.contains(QChar::Null))
        throw AppError(
            HostSettingsMessages::tr("The host's setting %1 in \"%2\" holds a NUL character, "
                                     "which no file name can hold. Correct it in the host.")
                .arg(name, origin));
    return value;
}

} // namespace

// Names compare without regard to case, as the registry's do; the value is everything after
// the first "=", untouched, since paths may hold blanks, quotes, ";" and "\".
QString hostSettingsValue(QByteArrayView fileBytes, const QString& name, const QString& origin)
{
    QString value;
    bool utf8 = true;
    bool inSection = false;
    for (const TextLine& line : textLines(fileBytes)) {
        if (isSectionLine(line.text)) {
            inSection = isOurSection(line.text);
            continue;
        }
        const qsizetype equals = line.text.indexOf(QLatin1Char('='));
        if (!inSection || equals < 0)
            continue;
        if (QStringView(line.text).first(equals).trimmed().compare(name, Qt::CaseInsensitive) ==
            0) {
            value = line.text.mid(equals + 1);
            utf8 = line.utf8;
        }
    }
    if (!utf8)
        throw AppError(
            HostSettingsMessages::tr("The host's setting %1 in \"%2\" holds bytes that are not "
                                     "UTF-8 text, so this program cannot name the file. Correct "
                                     "it in the host.")
                .arg(name, origin));
    return checkedValue(value, name, origin);
}

#ifdef Q_OS_WIN

#include <QSettings>

#include <windows.h>

namespace {

const wchar_t keyPath[] = L"Software\\TarvelSoftware\\Tarvel Halvex\\TMainWindow";

} // namespace

void HostSettings::open()
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_READ, nullptr, &key,
                        nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

QString HostSettings::settingsFilePath() const
{
    return {};
}

void HostSettings::requireSettingsFolder() const
{
}

QString HostSettings::problem() const
{
    return {};
}

QString HostSettings::readString(const QString& name) const
{
    QSettings key(QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromWCharArray(keyPath),
                  QSettings::NativeFormat);
    return checkedValue(key.value(name).toString(), name, QString::fromWCharArray(keyPath));
}

#else

#include "platform/ConfigFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Settings files are small; anything else (a device, a fifo, a huge file) is refused rather than
// read, so that a wrong file cannot hang the program.
constexpr qint64 largestSettingsFile = 1 << 20;

QString unusable(const QString& path, const QString& why)
{
    //: %1 is the settings file's path, %2 what is wrong with it.
    return HostSettingsMessages::tr("The host's settings file \"%1\" cannot be used: %2. The "
                                    "README's section \"Where the host settings live\" tells how "
                                    "to write one.")
        .arg(displayPath(path), why);
}

// By its byte order mark, or by the NUL byte beside nearly every ASCII character. A stray NUL
// is left to the value that holds it.
bool looksLikeUtf16(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
           (bytes.size() >= 4 && bytes.count('\0') >= bytes.size() / 4);
}

// The file's bytes; throws, saying what is wrong, when it cannot be used.
QByteArray settingsBytes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw AppError(unusable(path, HostSettingsMessages::tr("it does not exist")));
    if (!info.isFile())
        throw AppError(unusable(path, HostSettingsMessages::tr("it is not a regular file")));
    if (info.size() > largestSettingsFile)
        throw AppError(unusable(path, HostSettingsMessages::tr("it is larger than 1 MiB")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(unusable(path, file.errorString()));
    QByteArray bytes = file.read(largestSettingsFile);
    if (looksLikeUtf16(bytes))
        throw AppError(unusable(path, HostSettingsMessages::tr("it is UTF-16 text, not UTF-8")));
    return bytes;
}

} // namespace

QString HostSettings::settingsFilePath() const
{
    const std::optional<QString> folder = userConfigFolder();
    return folder ? *folder + QStringLiteral("/TarvelSoftware/Tarvel Halvex.conf") : QString();
}

void HostSettings::requireSettingsFolder() const
{
    if (settingsFilePath().isEmpty())
        throw AppError(HostSettingsMessages::tr(
            "The host's settings cannot be found: neither HOME nor XDG_CONFIG_HOME is set, so "
            "there is no settings folder. They would be in "
            "\"$XDG_CONFIG_HOME/TarvelSoftware/Tarvel Halvex.conf\", or else in "
            "\"$HOME/.config/TarvelSoftware/Tarvel Halvex.conf\". Nothing was created."));
}

void HostSettings::open()
{
    requireSettingsFolder();
    const QString path = settingsFilePath();
    if (QFileInfo::exists(path))
        return;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

QString HostSettings::readString(const QString& name) const
{
    requireSettingsFolder();
    const QString path = settingsFilePath();
    return hostSettingsValue(settingsBytes(path), name, displayPath(path));
}

QString HostSettings::problem() const
{
    try {
        requireSettingsFolder();
        settingsBytes(settingsFilePath());
    } catch (const AppError& error) {
        return error.message();
    }
    return {};
}

#endif
