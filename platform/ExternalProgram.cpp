#include "platform/ExternalProgram.h"

#include "platform/AppError.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

std::function<void(const QString&)> testHook;

struct ExternalProgramMessages
{
    Q_DECLARE_TR_FUNCTIONS(ExternalProgram)
};

QString noProgram()
{
    //: The cause, %2 in "Cannot open \"%1\" in another program: %2.".
    return ExternalProgramMessages::tr("the system has no program for it");
}

[[noreturn]] void cannotOpen(const QString& path, const QString& why)
{
    throw AppError(ExternalProgramMessages::tr("Cannot open \"%1\" in another program: %2.")
                       .arg(displayPath(path), why));
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// Deleting a running QProcess would kill it; its output is drained so that it never blocks.
void leaveRunning(QProcess* opener)
{
    QObject::connect(opener, &QProcess::readyRead, opener, &QProcess::readAll);
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
}

// xdg-open says whether it found a program, and how it failed if not; it returns once the
// program is started. One that takes longer is taken to be starting it. It is given a file URL,
// which it can take neither for a web address nor for an option.
void openWithXdgOpen(const QString& path)
{
    auto* opener = new QProcess;
    opener->setProcessChannelMode(QProcess::MergedChannels);
    opener->start(QStringLiteral("xdg-open"), {QUrl::fromLocalFile(path).toString()});
    if (!opener->waitForStarted()) {
        delete opener;
        cannotOpen(path, ExternalProgramMessages::tr(
                             "the system's xdg-open, which finds the program, is not installed"));
    }
    if (!opener->waitForFinished(5000)) {
        leaveRunning(opener);
        return;
    }
    const bool opened = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
    const QString said = QString::fromLocal8Bit(opener->readAll()).simplified();
    delete opener;
    if (!opened)
        cannotOpen(
            path,
            said.isEmpty()
                ? noProgram()
                : ExternalProgramMessages::tr("the system has no program for it (%1)").arg(said));
}
#endif

// Only a file that is there is handed on: a setting that names a web address, an option or
// nothing would have the system open something else.
void requireLocalFile(const QString& path)
{
    if (path.isEmpty())
        throw AppError(ExternalProgramMessages::tr(
            "Cannot open the file in another program: no file name is set in the host's "
            "settings."));
    const QFileInfo file(path);
    if (QDir::isRelativePath(path))
        cannotOpen(path, ExternalProgramMessages::tr("it is not a full path to a file"));
    if (!file.exists())
        cannotOpen(path, ExternalProgramMessages::tr("the file does not exist"));
    if (!file.isFile())
        cannotOpen(path, ExternalProgramMessages::tr("it is not a regular file"));
}

} // namespace

namespace ExternalProgram {

void open(const QString& path)
{
    requireLocalFile(path);
    if (testHook) {
        testHook(path);
        return;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    openWithXdgOpen(path);
#else
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        cannotOpen(path, noProgram());
#endif
}

void setHook(std::function<void(const QString& path)> hook)
{
    testHook = std::move(hook);
}

} // namespace ExternalProgram
