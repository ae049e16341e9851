#include "app/HostSettings.h"

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

QString HostSettings::readString(const QString& name) const
{
    QSettings key(QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromWCharArray(keyPath),
                  QSettings::NativeFormat);
    return key.value(name).toString();
}

#else

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

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

// Settings files are small; anything else (a device, a fifo, a huge file) is taken as no
// settings rather than read, so that a wrong file cannot hang the program.
constexpr qint64 largestSettingsFile = 1 << 20;

QStringList fileLines(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > largestSettingsFile)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.read(largestSettingsFile));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

} // namespace

QString HostSettings::settingsFilePath() const
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QStringLiteral("/TarvelSoftware/Tarvel Halvex.conf");
}

void HostSettings::open()
{
    const QString path = settingsFilePath();
    if (QFileInfo::exists(path))
        return;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

// Names compare without regard to case, as the registry's do; the value is everything after
// the first "=", untouched, since paths may hold blanks, quotes, ";" and "\".
QString HostSettings::readString(const QString& name) const
{
    QString value;
    bool inSection = false;
    for (const QString& line : fileLines(settingsFilePath())) {
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
    return value;
}

#endif
