#include "common/LineFile.h"
#include "common/Modal.h"
#include "FailingFlush.h"
#include "maintenance/AdditionalFunctionsDialog.h"
#include "maintenance/DefaultLines.h"
#include "mime/MimeTypesEditor.h"
#include "platform/WholeFile.h"
#include "procedures/ProceduresEditor.h"
#include "support/Controls.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "support/TreeDriver.h"
#include "toolbar/ToolbarEditor.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

void type(QWidget& window, const char* field, const QString& text)
{
    if (auto* line = window.findChild<QLineEdit*>(QString::fromLatin1(field)))
        line->setText(text);
    else
        control<QPlainTextEdit>(window, QString::fromLatin1(field))->setPlainText(text);
}

// Caps the size of any file this process writes while it lives, as a full disk or a quota
// would, so that a save fails half-way.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

// The file of one editor or reset: which setting names it, its bytes before, how to make an
// edit in the open editor and how to see that the edit is still there.
struct Target
{
    QString setting;
    QString fileName;
    QStringList oldLines;
    std::function<std::unique_ptr<QDialog>(const HostOptions&)> open;
    std::function<void(QDialog&)> startEdit;       // opens the dialog that takes text
    std::function<void(QDialog&, QString)> fillIn; // fills that dialog and presses OK
    std::function<bool(QDialog&, QString)> showsEdit;
    const char* resetButton = nullptr; // set for the Additional window
};

QTreeView& tree(QDialog& editor)
{
    return *control<QTreeView>(editor, QStringLiteral("itemsView"));
}

Target toolbarTarget()
{
    Target target{Opt_HTMLToolbarCFG,
                  QStringLiteral("tool bar.cfg"),
                  defaultHTMLToolbarLines(),
                  {},
                  {},
                  {},
                  {}};
    target.open = [](const HostOptions& o) {
        return std::make_unique<ToolbarEditor>(nullptr, o);
    };
    target.startEdit = [](QDialog& editor) { click(editor, "newCategoryButton"); };
    target.fillIn = [](QDialog& dialog, QString text) {
        type(dialog, "captionEdit", text);
        clickOk(dialog);
    };
    target.showsEdit = [](QDialog& editor, QString text) {
        const QTreeView& items = tree(editor);
        const int count = childCount(items);
        return count > 0 && textAt(items, QString::number(count - 1)) == text;
    };
    return target;
}

Target proceduresTarget()
{
    Target target{Opt_AppPath, QStringLiteral("CstProcs.dat"), defaultCstProcsLines(), {}, {}, {},
                  {}};
    target.open = [](const HostOptions& o) {
        return std::make_unique<ProceduresEditor>(nullptr, o);
    };
    // A file that could not be read leaves no section to add a procedure to.
    target.startEdit = [](QDialog& editor) {
        QTreeView& items = tree(editor);
        if (childCount(items) == 0)
            return;
        select(items, QStringLiteral("0"));
        click(editor, "newCodeButton");
    };
    target.fillIn = [](QDialog& dialog, QString text) {
        type(dialog, "captionEdit", text);
        type(dialog, "codeEdit", text + QStringLiteral("\nsecond line"));
        clickOk(dialog);
    };
    target.showsEdit = [](QDialog& editor, QString text) {
        const QTreeView& items = tree(editor);
        if (childCount(items) == 0)
            return true;
        const int count = childCount(items, QStringLiteral("0"));
        return count > 0 && textAt(items, QStringLiteral("0/%1").arg(count - 1)) == text;
    };
    return target;
}

Target mimeTarget()
{
    Target target{Opt_MIMEPraserCFG,
                  QStringLiteral("mime types.cfg"),
                  defaultMIMETypesLines(),
                  {},
                  {},
                  {},
                  {}};
    target.open = [](const HostOptions& o) {
        return std::make_unique<MimeTypesEditor>(nullptr, o);
    };
    target.startEdit = [](QDialog& editor) { click(editor, "newTypeButton"); };
    target.fillIn = [](QDialog& dialog, QString text) {
        type(dialog, "mimeTypeEdit", text);
        type(dialog, "suffixEdit", QStringLiteral(".x"));
        clickOk(dialog);
    };
    target.showsEdit = [](QDialog& editor, QString text) {
        const QAbstractItemModel& rows =
            *control<QAbstractItemView>(editor, QStringLiteral("itemsView"))->model();
        return rows.rowCount() > 0 && rows.index(rows.rowCount() - 1, 0).data() == text;
    };
    return target;
}

Target resetTarget(Target file, const char* button)
{
    file.open = [](const HostOptions& o) {
        return std::make_unique<AdditionalFunctionsDialog>(nullptr, o);
    };
    file.resetButton = button;
    return file;
}

// A host profile whose setting for the target points at a file that the fault breaks.
struct FaultyProfile
{
    QTemporaryDir dir;
    FakeOptions options;
    QString path;        // the file the save or reset must not damage
    QByteArray oldBytes; // "-" when there is no file

    FaultyProfile(const Target& target, const QString& fault)
    {
        const QString base = dir.path() + QStringLiteral("/host, é/");
        QDir().mkpath(base);
        QString folder = base;
        const bool locked = fault.endsWith(QLatin1String("in a read-only folder"));
        if (locked)
            folder = base + QStringLiteral("locked/");
        else if (fault == QLatin1String("missing folder"))
            folder = base + QStringLiteral("gone/");
        QDir().mkpath(folder == base + QStringLiteral("gone/") ? base : folder);
        path = folder + target.fileName;
        oldBytes = joinLineFile(target.oldLines, path);
        if (fault == QLatin1String("missing folder") ||
            fault == QLatin1String("new file in a read-only folder"))
            oldBytes = "-";
        else if (fault == QLatin1String("path is a folder"))
            QDir().mkpath(path), oldBytes = "-";
        else
            writeBytes(path, oldBytes);
        if (fault == QLatin1String("read-only file"))
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        if (fault.endsWith(QLatin1String("two names")))
            ::link(QFile::encodeName(path).constData(),
                   QFile::encodeName(dir.path() + QStringLiteral("/second name")).constData());
        if (locked)
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool byFolder = target.setting == Opt_AppPath;
        options.values[target.setting] = byFolder ? folder : path;
        if (fault == QLatin1String("empty path"))
            options.values[target.setting].clear();
        options.values[Opt_HTMLToolbarGlyphs] = dir.path() + QStringLiteral("/strip.png");
        QImage(192, 16, QImage::Format_RGB32).save(options.values[Opt_HTMLToolbarGlyphs]);
    }
    ~FaultyProfile()
    {
        QFile::setPermissions(QFileInfo(path).path(), QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner |
                                                          QFileDevice::ExeOwner);
    }
    QByteArray bytesNow() const
    {
        return QFileInfo(path).isFile() ? fileBytes(path) : QByteArray("-");
    }
};

std::optional<FailingFlush> failingFlush(const QString& fault, const FaultyProfile& profile)
{
    if (!fault.startsWith(QLatin1String("failed flush")))
        return std::nullopt;
    return std::make_optional<FailingFlush>(QFileInfo(profile.path).absolutePath());
}

QString causeOf(const QString& fault)
{
    static const QMap<QString, QString> causes = {
        {QStringLiteral("read-only file"), QStringLiteral("the file is read-only")},
        {QStringLiteral("new file in a read-only folder"),
         QStringLiteral("its folder is read-only")},
        {QStringLiteral("size limit in a read-only folder"), QStringLiteral("File too large")},
        {QStringLiteral("missing folder"), QStringLiteral("No such file or directory")},
        {QStringLiteral("path is a folder"), QStringLiteral("not a regular file")},
        {QStringLiteral("empty path"), QStringLiteral("is empty or not set")},
        {QStringLiteral("size limit"), QStringLiteral("File too large")},
        {QStringLiteral("failed flush"), QStringLiteral("Input/output error")},
        {QStringLiteral("failed flush of a file with two names"),
         QStringLiteral("Input/output error")},
        {QStringLiteral("failed flush in a read-only folder"),
         QStringLiteral("Input/output error")},
    };
    return causes.value(fault);
}

const QStringList faults = {"read-only file", "new file in a read-only folder",
                            // written in place: what would stop the write is found before it
                            "size limit in a read-only folder", "missing folder",
                            "path is a folder", "empty path", "size limit",
                            // a flush that fails is a write that fails: replaced, or written in
                            // place and put back
                            "failed flush", "failed flush of a file with two names",
                            "failed flush in a read-only folder"};

} // namespace

// Each fault a save can meet, through the real windows: the error box names the file and the
// cause, the window stays open with the user's edit, and the file keeps its old bytes.
class TestFaultInjection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void failedSaveKeepsEditsAndOldBytes_data();
    void failedSaveKeepsEditsAndOldBytes();
};

void TestFaultInjection::initTestCase()
{
    // Past the size limit a write must fail, not end the test.
    std::signal(SIGXFSZ, SIG_IGN);
}

void TestFaultInjection::failedSaveKeepsEditsAndOldBytes_data()
{
    QTest::addColumn<int>("targetIndex");
    QTest::addColumn<QString>("fault");

    // OK and the resets write through the same code whatever the file: each fault is met once
    // by an editor's OK and once by a reset, the files taking turns. A character the code page
    // cannot hold never gets this far: the dialogs and the paste refuse it.
    const QStringList names = {"toolbar editor", "procedures editor", "MIME types editor",
                               "toolbar reset",  "procedures reset",  "MIME types reset"};
    const auto row = [&](int target, const QString& fault) {
        QTest::newRow(qPrintable(names[target] + QStringLiteral(", ") + fault)) << target << fault;
    };
    for (int i = 0; i < faults.size(); ++i) {
        row((i + 1) % 3, faults[i]);
        row(3 + (i + 2) % 3, faults[i]);
    }
}

void TestFaultInjection::failedSaveKeepsEditsAndOldBytes()
{
    QFETCH(int, targetIndex);
    QFETCH(QString, fault);
    const Target targets[] = {toolbarTarget(),
                              proceduresTarget(),
                              mimeTarget(),
                              resetTarget(toolbarTarget(), "resetToolbarButton"),
                              resetTarget(proceduresTarget(), "resetProceduresButton"),
                              resetTarget(mimeTarget(), "resetMimeTypesButton")};
    const Target& target = targets[targetIndex];
    FaultyProfile profile(target, fault);
    const QString edit = QStringLiteral("Édition");
    const rlim_t sizeLimit = fault.startsWith(QLatin1String("size limit")) ? 16 : RLIM_INFINITY;
    QDialog* window = nullptr;
    bool stayedOpen = false;
    bool editKept = false;
    QStringList errors;
    Modal::setHook([&](QDialog& shown) {
        if (auto* box = qobject_cast<QMessageBox*>(&shown)) {
            if (box->icon() == QMessageBox::Critical)
                errors << box->text();
            box->button(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok)
                ->click();
        } else if (&shown != window) {
            target.fillIn(shown, edit);
        } else if (target.resetButton) {
            const FileSizeLimit limit(sizeLimit);
            const std::optional<FailingFlush> failing = failingFlush(fault, profile);
            click(shown, target.resetButton);
            stayedOpen = shown.isVisible();
            editKept = true;
            shown.reject();
        } else {
            target.startEdit(shown);
            {
                const FileSizeLimit limit(sizeLimit);
                const std::optional<FailingFlush> failing = failingFlush(fault, profile);
                clickOk(shown);
            }
            stayedOpen = shown.isVisible();
            editKept = target.showsEdit(shown, edit);
            shown.reject();
        }
    });
    const std::unique_ptr<QDialog> opened = target.open(profile.options);
    window = opened.get();
    errors.clear(); // load errors of a file that is not there are not what is tested here
    Modal::exec(*window);
    Modal::setHook({});

    QVERIFY2(stayedOpen, "the window closed after the failed save");
    QVERIFY2(editKept, "the user's edit is gone");
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(causeOf(fault)), qPrintable(errors[0]));
    if (fault != QLatin1String("empty path"))
        QVERIFY2(errors[0].contains(displayPath(profile.path)), qPrintable(errors[0]));
    QCOMPARE(profile.bytesNow(), profile.oldBytes);
    // Written in place, the old content was copied first, beside the file or, where its folder
    // takes no new file, in the program's own folder; put back but not surely on the disk, the
    // copy stays.
    const QStringList copies = WholeFile::leftCopies(profile.path);
    for (const QString& copy : copies)
        QCOMPARE(fileBytes(copy), profile.oldBytes);
    QCOMPARE(!copies.isEmpty(), fault.startsWith(QLatin1String("failed flush ")));
    for (const QString& copy : copies)
        QFile::remove(copy);
}

HALVEX_TEST_MAIN(TestFaultInjection)
#include "tst_FaultInjection.moc"
