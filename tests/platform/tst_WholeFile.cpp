#include "platform/AppError.h"
#include "platform/WholeFile.h"
#include "support/TestProfile.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <functional>
#include <thread>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif

class TestWholeFile : public QObject
{
    Q_OBJECT

private slots:
    void readRefusesWhatIsNoFile_data();
    void readRefusesWhatIsNoFile();
    void writeRefusalLeavesOldBytes_data();
    void writeRefusalLeavesOldBytes();
    void writeReplacesWholeFileAndLeavesNoTemporary();
    void writeThroughSymlinkWritesTarget();
    void writeGoesWhereTheLinksLead_data();
    void writeGoesWhereTheLinksLead();
    void writeStepsBackFromWhereAFolderLinkLeads();
    void writeKeepsPermissions();
    void writeAsRootKeepsTheOwner();
    void writesInPlaceWaitForEachOther();
    void hardLinkedFileIsWrittenInPlace();
    void fileLockedTooLongIsReported();
    void recordLockHoldsThroughTheWriteInPlace();
    void filesThatCannotBeLookedAtAreNoTwins();
    void displayPath_data();
    void displayPath();

private:
    QString errorOfRead(const QString& path);
    QString errorOfWrite(const QString& path, const QByteArray& bytes);
};

namespace {

// Root may search any folder: the work is done as nobody then, and as root again after it.
QString asAnotherUserIfRoot(bool wanted, const std::function<QString()>& work)
{
#ifdef Q_OS_UNIX
    if (wanted && geteuid() == 0 && seteuid(65534) == 0) {
        const QString result = work();
        if (seteuid(0) != 0)
            qFatal("cannot be root again");
        return result;
    }
#else
    Q_UNUSED(wanted);
#endif
    return work();
}

#ifdef Q_OS_UNIX
// The lock attempts that the system refused because another holder has the file: a writer's
// wait as the system reports it, which no timing can fake.
std::atomic<int> refusedLocks{0};
#endif

} // namespace

#ifdef Q_OS_UNIX
// Every flock of this test passes through here on its way to the system's.
extern "C" int flock(int fd, int operation) noexcept
{
    using Flock = int (*)(int, int);
    static const auto system = reinterpret_cast<Flock>(::dlsym(RTLD_NEXT, "flock"));
    const int result = system(fd, operation);
    if (result != 0 && errno == EWOULDBLOCK)
        ++refusedLocks;
    return result;
}
#endif

QString TestWholeFile::errorOfRead(const QString& path)
{
    try {
        WholeFile::read(path);
    } catch (const AppError& error) {
        return error.message();
    }
    return {};
}

QString TestWholeFile::errorOfWrite(const QString& path, const QByteArray& bytes)
{
    try {
        WholeFile::write(path, bytes);
    } catch (const AppError& error) {
        return error.message();
    }
    return {};
}

void TestWholeFile::readRefusesWhatIsNoFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("cause");

    QTest::newRow("missing file") << "%1/missing, file.cfg"
                                  << "No such file";
    QTest::newRow("a folder") << "%1"
                              << "not a regular file";
    QTest::newRow("a device that never ends") << "/dev/zero"
                                              << "not a regular file";
    QTest::newRow("empty path") << ""
                                << "no file name";
}

void TestWholeFile::readRefusesWhatIsNoFile()
{
    QFETCH(QString, path);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    if (path.contains(QLatin1String("%1")))
        path = path.arg(dir.path());
    const QString message = errorOfRead(path);
    QVERIFY2(message.contains(cause), qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
}

void TestWholeFile::writeRefusalLeavesOldBytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readOnlyFile");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<QString>("cause");

    QTest::newRow("read-only file") << "old.cfg" << true << false << "read-only";
    QTest::newRow("new file in a read-only folder")
        << "new.cfg" << false << true << "folder is read-only";
    QTest::newRow("missing folder") << "no folder/new.cfg" << false << false << "";
    QTest::newRow("path is a folder") << "" << false << false << "not a regular file";
    // It was once said to be a read-only folder.
    QTest::newRow("a folder that may not be searched")
        << "closed/new.cfg" << false << false << "Permission denied";
}

void TestWholeFile::writeRefusalLeavesOldBytes()
{
    QFETCH(QString, name);
    QFETCH(bool, readOnlyFile);
    QFETCH(bool, readOnlyFolder);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString path = dir.path() + QLatin1Char('/') + name;
    if (name == QLatin1String("old.cfg"))
        writeBytes(path, "old\r\n");
    if (readOnlyFile)
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    if (readOnlyFolder)
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    const bool closed = name.startsWith(QLatin1String("closed/"));
    if (closed) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("closed")));
        QFile::setPermissions(dir.filePath(QStringLiteral("closed")), QFileDevice::Permissions());
    }
    const QString message =
        asAnotherUserIfRoot(closed, [&] { return errorOfWrite(path, "new\r\n"); });
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (closed)
        QFile::setPermissions(dir.filePath(QStringLiteral("closed")), QFileDevice::ReadOwner |
                                                                          QFileDevice::WriteOwner |
                                                                          QFileDevice::ExeOwner);
    QVERIFY2(!message.isEmpty(), "the write was not refused");
    QVERIFY2(message.contains(cause), qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    if (name == QLatin1String("old.cfg"))
        QCOMPARE(fileBytes(path), QByteArray("old\r\n"));
    else if (!name.isEmpty())
        QVERIFY(!QFile::exists(path));
}

void TestWholeFile::writeReplacesWholeFileAndLeavesNoTemporary()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/a, b ü.cfg");
    writeBytes(path, "a much longer old content\r\n");
    WholeFile::write(path, "new\r\n");
    QCOMPARE(fileBytes(path), QByteArray("new\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestWholeFile::writeThroughSymlinkWritesTarget()
{
    QTemporaryDir dir;
    const QString target = dir.path() + QStringLiteral("/target.cfg");
    const QString link = dir.path() + QStringLiteral("/link.cfg");
    writeBytes(target, "old\r\n");
    QVERIFY(QFile::link(target, link));
    WholeFile::write(link, "new\r\n");
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(fileBytes(target), QByteArray("new\r\n"));
}

void TestWholeFile::writeGoesWhereTheLinksLead_data()
{
    QTest::addColumn<int>("links"); // in a row, in a writable folder, to the file
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<bool>("folderWritable"); // the file's own folder
    QTest::addColumn<QString>("cause");       // of the refusal; none: written

    // The save once took a path the system would not follow for a missing file, and wrote the
    // real file empty.
    QTest::newRow("41 links in a row") << 41 << true << true << true << "symbolic links";
    QTest::newRow("40 links in a row") << 40 << true << true << true << "";
    // The read-only folder was once checked where the link is, not where the file is.
    QTest::newRow("link to a read-only file in a read-only folder")
        << 1 << true << false << false << "the file is read-only";
    QTest::newRow("dangling link into a read-only folder")
        << 1 << false << true << false << "folder is read-only";
    // No new file can go beside it, but the user may write the file itself.
    QTest::newRow("writable file in a read-only folder") << 0 << true << true << false << "";
    QTest::newRow("link to a writable file in a read-only folder")
        << 1 << true << true << false << "";
}

void TestWholeFile::writeGoesWhereTheLinksLead()
{
    QFETCH(int, links);
    QFETCH(bool, fileExists);
    QFETCH(bool, fileWritable);
    QFETCH(bool, folderWritable);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/files");
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/file.cfg");
    if (fileExists) {
        writeBytes(file, "old\r\n");
        QFile::setPermissions(file,
                              QFileDevice::ReadOwner | (fileWritable ? QFileDevice::WriteOwner
                                                                     : QFileDevice::Permissions()));
    }
    QString path = file;
    for (int link = 1; link <= links; ++link) {
        const QString next = dir.path() + QStringLiteral("/link%1.cfg").arg(link);
        QVERIFY(QFile::link(path, next));
        path = next;
    }
    const auto open = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    if (!folderWritable)
        QFile::setPermissions(folder, open & ~QFileDevice::WriteOwner);
    const QString message = errorOfWrite(path, "new\r\n");
    QFile::setPermissions(folder, open);
    const QByteArray expected = !cause.isEmpty() ? "old\r\n" : "new\r\n";
    if (cause.isEmpty())
        QVERIFY2(message.isEmpty(), qPrintable(message));
    else
        QVERIFY2(message.contains(cause) && message.contains(QDir::toNativeSeparators(path)),
                 qPrintable(message));
    if (fileExists)
        QCOMPARE(fileBytes(file), expected);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), fileExists ? 1 : 0);
    QVERIFY(links == 0 || QFileInfo(path).isSymLink());
}

// The system takes ".." after a link to a folder from where the link leads; the write once took
// it from the link's own folder, and replaced another file than the one read.
void TestWholeFile::writeStepsBackFromWhereAFolderLinkLeads()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/deep/real")));
    QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/near")));
    QVERIFY(QFile::link(dir.path() + QStringLiteral("/deep/real"),
                        dir.path() + QStringLiteral("/near/folder")));
    writeBytes(dir.path() + QStringLiteral("/deep/file.cfg"), "deep\r\n");
    writeBytes(dir.path() + QStringLiteral("/near/file.cfg"), "near\r\n");
    const QString path = dir.path() + QStringLiteral("/near/folder/../file.cfg");
    QCOMPARE(WholeFile::read(path), QByteArray("deep\r\n"));
    WholeFile::write(path, "new\r\n");
    QCOMPARE(fileBytes(dir.path() + QStringLiteral("/deep/file.cfg")), QByteArray("new\r\n"));
    QCOMPARE(fileBytes(dir.path() + QStringLiteral("/near/file.cfg")), QByteArray("near\r\n"));
}

void TestWholeFile::writeKeepsPermissions()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/shared.cfg");
    writeBytes(path, "old\r\n");
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    QFile::setPermissions(path, permissions);
    WholeFile::write(path, "new\r\n");
    QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
             permissions);
}

// A user's file saved with sudo once became root's, and its owner could no longer read it; its
// set-group-ID bit and extended attributes (access lists, the user's notes) were dropped.
void TestWholeFile::writeAsRootKeepsTheOwner()
{
#ifndef Q_OS_UNIX
    QSKIP("owners are a POSIX facility");
#else
    if (geteuid() != 0)
        QSKIP("only root may give a file to another user");
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/users.cfg");
    writeBytes(path, "old\r\n");
    const QByteArray name = QFile::encodeName(path);
    QVERIFY(chown(name.constData(), 1000, 1000) == 0);
    QVERIFY(chmod(name.constData(), 02640) == 0);
#ifdef Q_OS_LINUX
    const bool noted = setxattr(name.constData(), "user.note", "kept", 4, 0) == 0;
#endif
    WholeFile::write(path, "new\r\n");
    struct stat status;
    QVERIFY(stat(name.constData(), &status) == 0);
    QCOMPARE(status.st_uid, uid_t(1000));
    QCOMPARE(status.st_gid, gid_t(1000));
    QCOMPARE(status.st_mode & 07777, mode_t(02640));
    QCOMPARE(fileBytes(path), QByteArray("new\r\n"));
#ifdef Q_OS_LINUX
    char note[8] = {};
    if (noted) // where the file system keeps user attributes
        QCOMPARE(getxattr(name.constData(), "user.note", note, sizeof note), ssize_t(4));
#endif
#endif
}

// Two copies writing one file in place once each took the other's half-written content for the
// old one, and put it back: the file ended empty.
void TestWholeFile::writesInPlaceWaitForEachOther()
{
#ifndef Q_OS_UNIX
    QSKIP("file locks are taken with flock");
#else
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/in place.cfg");
    writeBytes(path, "old\r\n");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const auto reopen = qScopeGuard([&] {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
    });
    QFile other(path);
    QVERIFY(other.open(QIODevice::ReadOnly));
    QVERIFY(flock(other.handle(), LOCK_EX) == 0);
    refusedLocks = 0;
    std::thread writer([&] { WholeFile::write(path, "new\r\n"); });
    const bool waited = QTest::qWaitFor([] { return refusedLocks >= 2; });
    const QByteArray whileHeld = fileBytes(path);
    flock(other.handle(), LOCK_UN);
    writer.join();
    QVERIFY(waited);
    QCOMPARE(whileHeld, QByteArray("old\r\n"));
    QCOMPARE(fileBytes(path), QByteArray("new\r\n"));
#endif
}

// Replaced through a new file, the other name once kept the old content.
void TestWholeFile::hardLinkedFileIsWrittenInPlace()
{
#ifndef Q_OS_UNIX
    QSKIP("hard links are looked at with stat");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("toolbar.cfg"));
    const QString other = dir.filePath(QStringLiteral("other.cfg"));
    writeBytes(path, "old\r\n");
    QVERIFY(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()) == 0);
    WholeFile::write(path, "new\r\n");
    QCOMPARE(fileBytes(other), QByteArray("new\r\n"));
    QCOMPARE(WholeFile::identity(path), WholeFile::identity(other));
    // The copy of the old content goes once the file was read back as written.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("other.cfg"), QStringLiteral("toolbar.cfg")}));
#endif
}

// The write in place once waited for ever, the window frozen and Esc dead.
void TestWholeFile::fileLockedTooLongIsReported()
{
#ifndef Q_OS_UNIX
    QSKIP("file locks are taken with flock");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked.cfg"));
    writeBytes(path, "old\r\n");
    QVERIFY(::link(QFile::encodeName(path).constData(),
                   QFile::encodeName(dir.filePath(QStringLiteral("link.cfg"))).constData()) == 0);
    QFile holder(path);
    QVERIFY(holder.open(QIODevice::ReadOnly));
    QVERIFY(flock(holder.handle(), LOCK_EX) == 0);
    QString refusal;
    try {
        WholeFile::write(path, "new\r\n");
    } catch (const AppError& error) {
        refusal = error.message();
    }
    QVERIFY2(refusal.contains(QLatin1String("another program holds the file locked")),
             qPrintable(refusal));
    QCOMPARE(fileBytes(path), QByteArray("old\r\n"));
#endif
}

// The record lock was once the process's own, and dropped when the descriptor that read the old
// content closed: another program's lockf() then got the file half-written, again and again.
void TestWholeFile::recordLockHoldsThroughTheWriteInPlace()
{
#ifndef Q_OS_UNIX
    QSKIP("record locks are taken with fcntl");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("linked.cfg"));
    const QByteArray oldBytes(8 << 20, 'o');
    const QByteArray newBytes(24 << 20, 'n');
    writeBytes(path, oldBytes);
    const QByteArray name = QFile::encodeName(path);
    QVERIFY(::link(name.constData(), QFile::encodeName(path + QStringLiteral("2")).constData()) ==
            0);
    int sizes[2];
    QVERIFY(::pipe(sizes) == 0);
    // The other program polls every millisecond; whenever it gets the lock, it reports the
    // file's size if that changed.
    const pid_t other = ::fork();
    if (other == 0) {
        const int fd = ::open(name.constData(), O_RDWR);
        for (off_t last = -1;; ::usleep(1000)) {
            if (::lockf(fd, F_TLOCK, 0) != 0)
                continue;
            struct stat status;
            ::fstat(fd, &status);
            const off_t size = status.st_size;
            if (size != last && ::write(sizes[1], &size, sizeof size) != sizeof size)
                ::_exit(1);
            last = size;
            ::lockf(fd, F_ULOCK, 0);
        }
    }
    const auto stop = [other] {
        ::kill(other, SIGKILL);
        ::waitpid(other, nullptr, 0);
    };
    auto stopOnFailure = qScopeGuard(stop);
    ::close(sizes[1]);
    off_t seen = 0;
    QCOMPARE(::read(sizes[0], &seen, sizeof seen), ssize_t(sizeof seen)); // it is polling
    WholeFile::write(path, newBytes);
    stopOnFailure.dismiss();
    stop();
    QList<off_t> seenSizes{seen};
    while (::read(sizes[0], &seen, sizeof seen) == sizeof seen)
        seenSizes << seen;
    ::close(sizes[0]);
    for (const off_t size : std::as_const(seenSizes))
        QVERIFY2(size == oldBytes.size() || size == newBytes.size(),
                 qPrintable(QStringLiteral("the other program saw %1 bytes").arg(size)));
    QCOMPARE(fileBytes(path), newBytes);
#endif
}

// Two files behind two different loops of links were once taken for one, and the resets refused
// them as one file named for two roles, hiding why neither could be written.
void TestWholeFile::filesThatCannotBeLookedAtAreNoTwins()
{
    QTemporaryDir dir;
    for (const char* loop : {"a", "b"}) {
        const QString first = dir.filePath(QStringLiteral("%1 1").arg(QLatin1String(loop)));
        const QString second = dir.filePath(QStringLiteral("%1 2").arg(QLatin1String(loop)));
        QVERIFY(QFile::link(first, second));
        QVERIFY(QFile::link(second, first));
    }
    QVERIFY(!WholeFile::sameFile(dir.filePath(QStringLiteral("a 1")),
                                 dir.filePath(QStringLiteral("b 1"))));
    QVERIFY(WholeFile::identity(dir.filePath(QStringLiteral("a 1"))).exists);
}

void TestWholeFile::displayPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain path unchanged") << "/home/ann/a b, c.cfg"
                                          << "/home/ann/a b, c.cfg";
    QTest::newRow("control characters made visible") << QString::fromLatin1("/tmp/a\tb\x01"
                                                                            "c")
                                                     << "/tmp/a\\x09b\\x01c";
    QTest::newRow("long path shortened in the middle")
        << QStringLiteral("/") + QString(1000, QLatin1Char('a')) + QStringLiteral("/end.cfg")
        << QStringLiteral("/") + QString(127, QLatin1Char('a')) + QStringLiteral(" … ") +
               QString(120, QLatin1Char('a')) + QStringLiteral("/end.cfg");
}

void TestWholeFile::displayPath()
{
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QCOMPARE(::displayPath(path), shown);
}

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_WholeFile.moc"
