#include "support/TestProfile.h"

#include "common/LineFile.h"
#include "platform/PlacementStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

TestProfile::TestProfile()
    : m_oldConfigHome(qgetenv("XDG_CONFIG_HOME")),
      m_hadConfigHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
{
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    QDir(m_dir.path()).mkpath(QStringLiteral("Hôst files"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/config")));
}

TestProfile::~TestProfile()
{
    if (m_hadConfigHome)
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

QString TestProfile::folder() const
{
    return m_dir.path();
}

QString TestProfile::hostPath(const QString& name) const
{
    return m_dir.path() + QStringLiteral("/Hôst files/") + name;
}

QString TestProfile::settingsFile() const
{
    return m_dir.path() + QStringLiteral("/config/TarvelSoftware/Tarvel Halvex.conf");
}

QString TestProfile::placementFile() const
{
    return m_dir.path() + QStringLiteral("/config/TarvelSoftware/Tarvel Halvex configuration.ini");
}

QStringList savedPlacementKeys(QWidget& window)
{
    window.findChild<PlacementStore*>(QStringLiteral("placementStore"))->savePlacement();
    return QSettings(PlacementStore::placementFilePath(), QSettings::IniFormat).childGroups();
}

void TestProfile::setValues(const QMap<QString, QString>& values)
{
    QByteArray text = "[TMainWindow]\n";
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        text += (it.key() + QLatin1Char('=') + it.value()).toUtf8() + '\n';
    setSettingsText(text);
}

void TestProfile::setSettingsText(const QByteArray& text)
{
    QDir().mkpath(QFileInfo(settingsFile()).path());
    writeBytes(settingsFile(), text);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<no file>");
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QTest::qFail(qPrintable(QStringLiteral("cannot write test file ") + path), __FILE__,
                     __LINE__);
}

SplitLines splitLines(QByteArrayView bytes)
{
    FileLines lines(bytes);
    SplitLines split;
    QByteArrayView line;
    while (lines.next(line))
        split.lines.append(QString::fromUtf8(line));
    split.whole = lines.whole();
    return split;
}
