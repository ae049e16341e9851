#include "app/CommandLine.h"

#include "app/HostFileCheck.h"
#include "app/HostSettings.h"
#include "common/EditedFile.h"
#include "maintenance/DefaultLines.h"
#include "platform/AppError.h"
#include "platform/DisplayCheck.h"
#include "platform/WholeFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// What happened to the files; a report that could not be written changes only a success.
enum Status { done = 0, failed = 1, wrongUse = 2, unreported = 3 };

class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    CommandLine();
    int run(const QStringList& arguments);

private:
    int usageError(const QString& error) const;
    static int reported(int status);
    QString helpText() const;
    int check() const;
    int reset(const QString& which) const;
    bool resetOne(HostFile file) const;

    QCommandLineParser m_parser;
    QCommandLineOption m_check;
    QCommandLineOption m_reset;
    HostSettings m_settings;
};

// Plain text, one message a line; stdout for results, stderr for what went wrong.
void print(std::FILE* stream, const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

// The line breaks of a message become one blank each run; blanks within a line stay, as in a
// path that ends in some.
QString oneLine(QString text)
{
    static const QRegularExpression breaks(QStringLiteral(" *\n+ *"));
    return text.replace(breaks, QStringLiteral(" ")).trimmed();
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

const QMap<QString, QList<HostFile>> resetTargets = {
    {QStringLiteral("toolbar"), {HostFile::Toolbar}},
    {QStringLiteral("procedures"), {HostFile::Procedures}},
    {QStringLiteral("mime"), {HostFile::MimeTypes}},
    {QStringLiteral("all"), {HostFile::Toolbar, HostFile::Procedures, HostFile::MimeTypes}},
};

CommandLine::CommandLine()
    : m_check(QStringLiteral("check"),
              tr("Read each of the host's files as the editor would, and say for each whether it "
                 "is sound. Nothing is written.")),
      m_reset(QStringLiteral("reset"),
              tr("Put the host's toolbar, procedures or MIME types file, or all three, back to "
                 "the built-in contents, without asking."),
              QStringLiteral("toolbar|procedures|mime|all"))
{
    m_parser.setApplicationDescription(
        tr("Edits the configuration files of the Tarvel Halvex script editor. Without options "
           "it opens its windows; with them it checks or resets the files without a window."));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOption(m_check);
    m_parser.addOption(m_reset);
}

int CommandLine::run(const QStringList& arguments)
{
    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help")) || m_parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(helpText()), stdout);
        return reported(done);
    }
    if (m_parser.isSet(QStringLiteral("version"))) {
        print(stdout,
              QStringLiteral("halvex-config %1").arg(QCoreApplication::applicationVersion()));
        return reported(done);
    }
    if (!m_parser.positionalArguments().isEmpty())
        return usageError(tr("Unexpected argument \"%1\".").arg(m_parser.positionalArguments()[0]));
    if (m_parser.isSet(m_check) == m_parser.isSet(m_reset))
        return usageError(tr("Give either --check or --reset."));
    // Only the last of several values would count.
    if (m_parser.values(m_reset).size() > 1)
        return usageError(tr("Give --reset once: \"all\" resets the three files."));
    int status = failed;
    try {
        m_settings.requireSettingsFolder();
        status = m_parser.isSet(m_check) ? check() : reset(m_parser.value(m_reset));
    } catch (const AppError& error) {
        print(stderr, oneLine(error.message()));
    }
    return reported(status);
}

// Results that could not be written (a full disk, a closed output) are no success, but the
// files are as the status says: a reset that was written stays written.
int CommandLine::reported(int status)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    print(stderr,
          tr("Cannot write the results: %1.").arg(QString::fromLocal8Bit(std::strerror(errno))));
    return status == done ? unreported : status;
}

int CommandLine::usageError(const QString& error) const
{
    print(stderr, error);
    std::fputs(qPrintable(helpText()), stderr);
    return wrongUse;
}

// The usage line names the program as it is known, not by the path it was started from.
QString CommandLine::helpText() const
{
    QString text = m_parser.helpText();
    const QString started = QCoreApplication::arguments().value(0);
    const qsizetype at = text.indexOf(started);
    return at < 0 ? text : text.replace(at, started.size(), QStringLiteral("halvex-config"));
}

// A settings file that cannot be used is said once: every file would report it again.
int CommandLine::check() const
{
    if (const QString problem = m_settings.problem(); !problem.isEmpty()) {
        print(stdout, oneLine(problem));
        return failed;
    }
    bool sound = true;
    for (const HostFileCheck& file : checkHostFiles(m_settings)) {
        sound = sound && file.problem.isEmpty();
        const QString title = capitalised(hostFileTitle(file.file));
        //: The result of --check for a sound file.
        const QString found = file.problem.isEmpty() ? tr("ok") : oneLine(file.problem);
        print(stdout, file.path.isEmpty()
                          //: A line of --check: the file's title, and "ok" or the problem.
                          ? tr("%1: %2").arg(title, found)
                          //: A line of --check: the file's title, its path, and "ok" or the
                          //: problem.
                          : tr("%1 \"%2\": %3").arg(title, displayPath(file.path), found));
        for (const QString& note : file.notes)
            print(stdout, QStringLiteral("  ") + note);
    }
    return sound ? done : failed;
}

int CommandLine::reset(const QString& which) const
{
    if (!resetTargets.contains(which))
        return usageError(
            tr("\"%1\" is not a file to reset: give toolbar, procedures, mime or all.").arg(which));
    bool allWritten = true;
    for (const HostFile file : resetTargets[which])
        allWritten = resetOne(file) && allWritten;
    return allWritten ? done : failed;
}

// The Additional window's reset, the command itself being the user's answer; the others are
// still tried when one fails, since the files do not depend on each other.
bool CommandLine::resetOne(HostFile file) const
{
    QString written;
    try {
        const FileReplacement replacement = EditedFile::reset(file, m_settings);
        replacement.write([file](LineSink& lines) { writeDefaultLines(lines, file); });
        written = replacement.path();
    } catch (const AppError& error) {
        print(stderr, oneLine(error.message()));
        return false;
    }
    //: %1 is the file's title ("HTML toolbar file"), %2 its path.
    print(stdout, tr("Wrote the built-in %1 to \"%2\" (%3 lines).")
                      .arg(hostFileTitle(file), displayPath(written),
                           QString::number(defaultLines(file).size())));
    return true;
}

} // namespace

int runCommandLine(QCoreApplication& application)
{
    return CommandLine().run(withoutQtOptions(application.arguments()));
}

int refuseWithoutWindowSystem()
{
    print(stderr, CommandLine::tr("No window system was found (neither DISPLAY nor WAYLAND_DISPLAY "
                                  "names one that answers): start halvex-config from a desktop "
                                  "session. From a terminal, \"halvex-config --check\" and "
                                  "\"--reset\" work without one; \"halvex-config --help\" tells "
                                  "more."));
    return failed;
}
