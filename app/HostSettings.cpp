#include "app/HostSettings.h"

#include "platform/AppError.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>

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

QStringList textLines(QByteArrayView bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
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
    bool inSection = false;
    for (const QString& line : textLines(fileBytes)) {
        if (isSectionLine(line)) {
            inSection = isOurSection(line);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inSection || equals < 0)
            continue;
        if (QStringView(line).first(equals).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            value = line.mid(equals + 1);
    }
    // Bytes that are not UTF-8 were read as U+FFFD, and the path would name another file.
    if (value.contains(QChar::ReplacementCharacter) && !fileBytes.contains("\xEF\xBF\xBD"))
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

// Settings files are small; anything else (a device, a fifo, a huge file) is taken as no
// settings rather than read, so that a wrong file cannot hang the program.
constexpr qint64 largestSettingsFile = 1 << 20;

QByteArray fileBytes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > largestSettingsFile)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(largestSettingsFile);
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
    const QString path = settingsFilePath();
    return hostSettingsValue(fileBytes(path), name, displayPath(path));
}

#endif
