#pragma once

#include "common/HostOptions.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

// A private host profile for one test: XDG_CONFIG_HOME points into a fresh temporary folder
// while it lives, so host settings and placement stores are the test's own.
class TestProfile
{
public:
    TestProfile();
    ~TestProfile();

    QString folder() const;
    // A path in the profile's host folder (a name with a blank and a non-ASCII letter).
    QString hostPath(const QString& name) const;
    QString settingsFile() const;
    // This program's file of window placements, as the profile places it.
    QString placementFile() const;

    // Writes the host settings file with these name=value lines.
    void setValues(const QMap<QString, QString>& values);
    void setSettingsText(const QByteArray& text);

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfigHome;
    bool m_hadConfigHome;
};

// Host options held in memory, for model tests.
class FakeOptions : public HostOptions
{
public:
    QMap<QString, QString> values;
    QString settingsFile;
    QString readString(const QString& name) const override { return values.value(name); }
    QString settingsFilePath() const override { return settingsFile; }
};

QByteArray fileBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// The lines of a line file's bytes, as the editors read them, and whether a NUL stopped them.
struct SplitLines
{
    QStringList lines;
    bool whole = true;
};
SplitLines splitLines(QByteArrayView bytes);

// The window keys that the placements' file holds, once the window's store has saved its
// placement there: what finds a stored placement again.
QStringList savedPlacementKeys(QWidget& window);
