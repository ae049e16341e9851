#pragma once

#include <QProcess>
#include <QStringList>

// The program run as a script runs it: with options, from a terminal without a window system.
// HALVEX_PROGRAM is the program's path, defined for the tests that run it.
struct CommandLineRun
{
    int status = -1; // -1 when it did not end by itself within 30 s
    QString out;
    QString err;
};

// An empty language runs the program in English whatever the machine speaks; extra holds
// "NAME=value" entries to set besides; output names a file that takes the standard output in
// place of the test (such as /dev/full).
inline CommandLineRun runCommandLine(const QStringList& arguments, const QString& configHome,
                                     const QString& language = {}, const QStringList& extra = {},
                                     const QString& output = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    environment.insert(QStringLiteral("LANGUAGE"), language);
    if (language.isEmpty())
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    for (const QString& entry : extra)
        environment.insert(entry.section(QLatin1Char('='), 0, 0),
                           entry.section(QLatin1Char('='), 1));
    QProcess program;
    program.setProcessEnvironment(environment);
    if (!output.isEmpty())
        program.setStandardOutputFile(output);
    program.start(QStringLiteral(HALVEX_PROGRAM), arguments);
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}
