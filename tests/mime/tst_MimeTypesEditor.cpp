#include "app/StartWindow.h"
#include "common/HostOptions.h"
#include "common/Modal.h"
#include "mime/MimeTypesEditor.h"
#include "platform/PlacementStore.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestHost.h"
#include "support/TestMain.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QTableView>

namespace {

const QByteArray threeTypes = "A/B\r\n.b\r\nC/D\r\n.d\r\nE/F\r\n.f\r\n";

// The editor open on a MIME types file; a null file leaves it missing. The answerer comes
// first, since the editor shows what kept it from reading as it opens.
struct Editor
{
    explicit Editor(const QByteArray& file)
    {
        if (!file.isNull())
            host.write(HostFile::MimeTypes, file);
        window = std::make_unique<MimeTypesEditor>(nullptr, host.options);
    }

    QTableView& list() const { return *control<QTableView>(*window, "itemsView"); }
    void select(int row) const
    {
        if (row < 0)
            list().selectionModel()->clear();
        else
            list().selectRow(row);
    }
    QString selected() const
    {
        const QModelIndexList rows = list().selectionModel()->selectedRows();
        return rows.isEmpty() ? QStringLiteral("<none>") : rows.first().data().toString();
    }
    // OK, and what it wrote.
    QByteArray written() const
    {
        clickOk(*window);
        return host.bytes(HostFile::MimeTypes);
    }

    TestHost host;
    std::unique_ptr<MimeTypesEditor> window;
};

// Answers the type dialog: records what it showed as "type|suffix", then types "type|suffix"
// over it and presses OK, or presses Cancel for a null text.
DialogAnswerer::Answer typeDialog(const QString& typed, QString* shown = nullptr)
{
    return [=](QDialog& dialog) {
        auto* type = control<QLineEdit>(dialog, "mimeTypeEdit");
        auto* suffix = control<QLineEdit>(dialog, "suffixEdit");
        if (shown)
            *shown = type->text() + QLatin1Char('|') + suffix->text();
        if (typed.isNull())
            return clickCancel(dialog);
        type->setText(typed.section(QLatin1Char('|'), 0, 0));
        suffix->setText(typed.section(QLatin1Char('|'), 1));
        clickOk(dialog);
    };
}

} // namespace

class TestMimeTypesEditor : public QObject
{
    Q_OBJECT

private slots:
    void columnHeaders();
    void opensCentredThenKeepsItsPlace();
    void newAndEdit_data();
    void newAndEdit();
    void removeAsksItsQuestion_data();
    void removeAsksItsQuestion();
    void pasteGoesAfterTheSelectedRow_data();
    void pasteGoesAfterTheSelectedRow();
    void missingFileOpensEmptyAndOkCreatesIt();
    void unreadableFileIsReplacedOnlyAfterAsking();
    void okWritesWhereTheHostSaysNow();
    void selectionStaysVisibleUnderTheDialog();
    void halfAMillionRowsComeBackWhole();
    void startWindowOpensTheEditor();
};

void TestMimeTypesEditor::columnHeaders()
{
    Editor on(threeTypes);
    const QAbstractItemModel& model = *on.list().model();
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("MIME type"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Extension"));
}

// Stored placements are found by the key of the window they were saved for.
void TestMimeTypesEditor::opensCentredThenKeepsItsPlace()
{
    QPoint reopened;
    {
        Editor on(threeTypes);
        QVERIFY(savedPlacementKeys(*on.window).contains(u"TMIMETypesEditor"));
        DialogAnswerer answerer;
        answerer.expect([&](QDialog& window) {
            const QPoint centre = window.frameGeometry().center();
            const QPoint screenCentre = window.screen()->availableGeometry().center();
            QVERIFY((centre - screenCentre).manhattanLength() <= 2);
            window.move(40, 50);
            clickCancel(window);
        });
        Modal::exec(*on.window);
        answerer.expect([&](QDialog& window) {
            reopened = window.pos();
            clickCancel(window);
        });
        MimeTypesEditor again(nullptr, on.host.options);
        Modal::exec(again);
    }
    QCOMPARE(reopened, QPoint(40, 50));
}

void TestMimeTypesEditor::newAndEdit_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("select"); // -1: nothing
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("typed"); // null: the dialog cancelled
    QTest::addColumn<QString>("shown"); // by the dialog as it opened
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("New: last, the type in capitals, the suffix as typed")
        << threeTypes << 0 << "New type..." << " text/x |.X " << "|"
        << threeTypes + " TEXT/X \r\n.X \r\n";
    QTest::newRow("New with empty fields: two empty lines")
        << threeTypes << -1 << "New type..." << "|" << "|" << threeTypes + "\r\n\r\n";
    QTest::newRow("New, a duplicate: not refused")
        << threeTypes << 1 << "New type..." << "a/b|.b" << "|" << threeTypes + "A/B\r\n.b\r\n";
    QTest::newRow("New cancelled") << threeTypes << 1 << "New type..." << QString() << "|"
                                   << threeTypes;
    QTest::newRow("Edit: the row as read, replaced in place")
        << QByteArray("A/B\r\n.b\r\nc/d\r\n.D\r\nE/F\r\n.f\r\n") << 1 << "Edit..." << "e/f|.F"
        << "c/d|.D" << QByteArray("A/B\r\n.b\r\nE/F\r\n.F\r\nE/F\r\n.f\r\n");
    QTest::newRow("Edit cancelled") << threeTypes << 1 << "Edit..." << QString() << "C/D|.d"
                                    << threeTypes;
    QTest::newRow("double-click edits the row")
        << threeTypes << 2 << "double-click" << "G/H|.h" << "E/F|.f"
        << QByteArray("A/B\r\n.b\r\nC/D\r\n.d\r\nG/H\r\n.h\r\n");
}

// New and Edit leave the selection where it was.
void TestMimeTypesEditor::newAndEdit()
{
    QFETCH(QByteArray, file);
    QFETCH(int, select);
    QFETCH(QString, command);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, written);
    DialogAnswerer answerer;
    Editor on(file);
    QString shownInDialog;
    answerer.expect(typeDialog(typed, &shownInDialog));
    if (command == QLatin1String("double-click")) {
        on.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(on.window.get()));
        const QPoint at = on.list().visualRect(on.list().model()->index(select, 0)).center();
        QTest::mouseClick(on.list().viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(on.list().viewport(), Qt::LeftButton, {}, at);
    } else {
        on.select(select);
        ::command(*on.window, command)->trigger();
    }
    QCOMPARE(shownInDialog, shown);
    const QString selectedType =
        select < 0 ? QStringLiteral("<none>")
                   : on.list().model()->index(select, 0).data().toString();
    QCOMPARE(on.selected(), selectedType);
    QCOMPARE(on.written(), written);
}

void TestMimeTypesEditor::removeAsksItsQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("Yes: removed") << true << QByteArray("A/B\r\n.b\r\nE/F\r\n.f\r\n");
    QTest::newRow("No: kept") << false << threeTypes;
}

void TestMimeTypesEditor::removeAsksItsQuestion()
{
    QFETCH(bool, yes);
    QFETCH(QByteArray, written);
    DialogAnswerer answerer;
    Editor on(threeTypes);
    on.select(1);
    answerer.expectMessage(yes ? QMessageBox::Yes : QMessageBox::No);
    click(*on.window, "removeButton");
    QCOMPARE(answerer.messages(), QStringList{"Remove selected type?"});
    QCOMPARE(on.written(), written);
}

void TestMimeTypesEditor::pasteGoesAfterTheSelectedRow_data()
{
    QTest::addColumn<int>("select");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("a row: right after it")
        << 0 << QByteArray("A/B\r\n.b\r\nX/Y\r\n.x\r\nC/D\r\n.d\r\nE/F\r\n.f\r\n");
    QTest::newRow("nothing selected: last") << -1 << threeTypes + "X/Y\r\n.x\r\n";
}

void TestMimeTypesEditor::pasteGoesAfterTheSelectedRow()
{
    QFETCH(int, select);
    QFETCH(QByteArray, written);
    Editor on(threeTypes);
    QGuiApplication::clipboard()->setText(QStringLiteral("x/y\n.x\n"));
    on.select(select);
    on.window->paste();
    QCOMPARE(on.written(), written);
}

void TestMimeTypesEditor::missingFileOpensEmptyAndOkCreatesIt()
{
    DialogAnswerer answerer;
    answerer.expectMessage();
    Editor on(QByteArray{});
    const QString path = QDir::toNativeSeparators(on.host.path(HostFile::MimeTypes));
    QCOMPARE(answerer.messages().size(), 1);
    QVERIFY2(answerer.messages()[0].contains(path), qPrintable(answerer.messages()[0]));
    QCOMPARE(on.list().model()->rowCount(), 0);
    answerer.expect(typeDialog(QStringLiteral("text/plain|.txt")));
    click(*on.window, "newTypeButton");
    QCOMPARE(on.written(), QByteArray("TEXT/PLAIN\r\n.txt\r\n"));
}

// A file that could not be read counts as not read: OK must not take the empty list for it.
void TestMimeTypesEditor::unreadableFileIsReplacedOnlyAfterAsking()
{
    TestHost host;
    const QString path = host.path(HostFile::MimeTypes);
    host.write(HostFile::MimeTypes, threeTypes);
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    if (QFile(path).open(QIODevice::ReadOnly))
        QSKIP("this user reads files without read permission");
    DialogAnswerer answerer;
    answerer.expectMessage();
    MimeTypesEditor editor(nullptr, host.options);
    answerer.expectMessage(QMessageBox::No);
    clickOk(editor);
    QCOMPARE(answerer.messages().size(), 2);
    QVERIFY2(answerer.messages()[1].contains(QDir::toNativeSeparators(path)),
             qPrintable(answerer.messages()[1]));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(host.bytes(HostFile::MimeTypes), threeTypes);
}

void TestMimeTypesEditor::okWritesWhereTheHostSaysNow()
{
    Editor on(threeTypes);
    const QString moved = on.host.profile.hostPath(QStringLiteral("moved.cfg"));
    on.host.options.values[Opt_MIMEPraserCFG] = moved;
    clickOk(*on.window);
    QCOMPARE(fileBytes(moved), threeTypes);
}

// The buttons act on the selected row, so it must still show while a dialog has the focus,
// also where the style greys the selection of an inactive window.
void TestMimeTypesEditor::selectionStaysVisibleUnderTheDialog()
{
    const QPalette oldPalette = QApplication::palette();
    QPalette greying = oldPalette;
    greying.setColor(QPalette::Inactive, QPalette::Highlight, Qt::lightGray);
    QApplication::setPalette(greying);
    const auto restore = qScopeGuard([&] { QApplication::setPalette(oldPalette); });
    DialogAnswerer answerer;
    Editor on(threeTypes);
    on.window->show();
    QVERIFY(QTest::qWaitForWindowActive(on.window.get()));
    on.select(1);
    const QColor highlight = on.list().palette().color(QPalette::Active, QPalette::Highlight);
    QColor underDialog;
    answerer.expect([&](QDialog& dialog) {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QRect cell = on.list().visualRect(on.list().model()->index(1, 1));
        underDialog =
            on.list().viewport()->grab().toImage().pixelColor(cell.right() - 3, cell.center().y());
        clickCancel(dialog);
    });
    click(*on.window, "editButton");
    QCOMPARE(underDialog, highlight);
}

// Reading, showing and writing stay linear: a quadratic step would not end within the test's
// time limit.
void TestMimeTypesEditor::halfAMillionRowsComeBackWhole()
{
    QByteArray file;
    QByteArray written;
    for (int i = 0; i < 500000; ++i) {
        const QByteArray n = QByteArray::number(i % 1000);
        file += "application/x-type" + n + "\r\n.ext" + n + "\r\n";
        written += "APPLICATION/X-TYPE" + n + "\r\n.ext" + n + "\r\n";
    }
    DialogAnswerer answerer;
    Editor on(file);
    on.select(1);
    answerer.expectMessage(QMessageBox::No);
    click(*on.window, "removeButton");
    QVERIFY(on.written() == written);
}

void TestMimeTypesEditor::startWindowOpensTheEditor()
{
    TestHost host;
    host.profile.setValues(host.options.values);
    host.write(HostFile::MimeTypes, threeTypes);
    StartWindow start;
    DialogAnswerer answerer;
    int rows = 0;
    answerer.expect([&](QDialog& window) {
        QCOMPARE(window.objectName(), QStringLiteral("MimeTypesEditor"));
        rows = control<QTableView>(window, "itemsView")->model()->rowCount();
        clickCancel(window);
    });
    click(start, "mimeTypesButton");
    QCOMPARE(rows, 3);
}

HALVEX_TEST_MAIN(TestMimeTypesEditor)
#include "tst_MimeTypesEditor.moc"
