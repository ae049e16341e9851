#include "common/HostOptions.h"
#include "common/LineFile.h"
#include "maintenance/AboutWindowUnit.h"
#include "maintenance/AdditionalFunctionsWindowUnit.h"
#include "maintenance/DefaultLines.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QPushButton* button(QWidget& window, const QString& name)
{
    return window.findChild<QPushButton*>(name);
}

QByteArray defaultBytes(const QString& buttonName)
{
    if (buttonName == QLatin1String("btnResetHTMLToolbar"))
        return joinLineFile(defaultHTMLToolbarLines(), {});
    if (buttonName == QLatin1String("btnResetStdProcs"))
        return joinLineFile(defaultCstProcsLines(), {});
    return joinLineFile(defaultMIMETypesLines(), {});
}

// A host profile in a temporary folder whose three settings point at files in it.
struct ResetProfile
{
    QTemporaryDir dir;
    FakeOptions options;

    ResetProfile()
    {
        options.values[Opt_HTMLToolbarCFG] = dir.path() + QStringLiteral("/tool bar, é.cfg");
        options.values[Opt_MIMEPraserCFG] = dir.path() + QStringLiteral("/mime types.cfg");
        options.values[Opt_AppPath] = dir.path() + QLatin1Char('/');
    }

    QString pathFor(const QString& buttonName) const
    {
        if (buttonName == QLatin1String("btnResetHTMLToolbar"))
            return options.values[Opt_HTMLToolbarCFG];
        if (buttonName == QLatin1String("btnResetStdProcs"))
            return proceduresFilePath(options);
        return options.values[Opt_MIMEPraserCFG];
    }
};

// Shows the window modally; inside it, clicks the buttons one after the other, the boxes they
// raise answered in turn by the inner answers, then closes it. Returns whether the window was
// still open after the last click.
bool clickInside(AdditionalFunctionsWindow& window, DialogAnswerer& answerer,
                 const QStringList& buttons, const QList<DialogAnswerer::Answer>& inner)
{
    bool stayedOpen = false;
    answerer.expect([&](QDialog& shown) {
        for (const QString& name : buttons)
            button(shown, name)->click();
        stayedOpen = shown.isVisible();
        button(shown, QStringLiteral("btnExit"))->click();
    });
    for (const DialogAnswerer::Answer& answer : inner)
        answerer.expect(answer);
    Modal::exec(window);
    return stayedOpen;
}

DialogAnswerer::Answer press(QMessageBox::StandardButton pressed, QStringList* texts = nullptr)
{
    return [pressed, texts](QDialog& box) {
        if (texts)
            texts->append(describeWindow(box));
        pressButton(box, pressed);
    };
}

const QStringList resetButtons = {"btnResetHTMLToolbar", "btnResetStdProcs", "btnResetMIME"};

} // namespace

class TestAdditionalFunctionsWindow : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void tabOrderAndFirstFocus();
    void reset_data();
    void reset();
    void resetTwiceWritesTheSameBytes();
    void proceduresPathIsGluedAsTheEditorReadsIt();
    void pathIsTakenBeforeTheQuestion();
    void failedResetKeepsOldBytesAndWindow_data();
    void failedResetKeepsOldBytesAndWindow();
    void escapeClosesWithCancel();
    void aboutBox();
};

void TestAdditionalFunctionsWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("reset group") << "GroupBox1"
                                 << "Reset CFG file" << QRect(8, 8, 169, 121);
    QTest::newRow("reset toolbar") << "btnResetHTMLToolbar"
                                   << "Reset HTML toolbar" << QRect(8, 24, 150, 25);
    QTest::newRow("reset procedures") << "btnResetStdProcs"
                                      << "Reset standard procedures" << QRect(8, 56, 150, 25);
    QTest::newRow("reset MIME") << "btnResetMIME"
                                << "Reset MIME types" << QRect(8, 88, 150, 25);
    QTest::newRow("help group") << "GroupBox2"
                                << "Help" << QRect(8, 136, 169, 57);
    QTest::newRow("about") << "btnAbout"
                           << "About" << QRect(8, 24, 150, 25);
    QTest::newRow("close") << "btnExit"
                           << "Close" << QRect(16, 200, 150, 25);
}

void TestAdditionalFunctionsWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    FakeOptions options;
    AdditionalFunctionsWindow window(nullptr, options);
    QCOMPARE(window.windowTitle(), QStringLiteral("Additional"));
    QCOMPARE(window.size(), QSize(190, 246));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QWidget* control = window.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (auto* box = qobject_cast<QGroupBox*>(control))
        QCOMPARE(box->title(), caption);
    else {
        auto* push = qobject_cast<QPushButton*>(control);
        QCOMPARE(push->text(), caption);
        const int iconWidth = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
        QVERIFY2(push->fontMetrics().horizontalAdvance(caption) + iconWidth <= push->width() - 2,
                 qPrintable(QString::number(push->fontMetrics().horizontalAdvance(caption))));
    }
}

void TestAdditionalFunctionsWindow::tabOrderAndFirstFocus()
{
    FakeOptions options;
    AdditionalFunctionsWindow window(nullptr, options);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.focusWidget(), button(window, QStringLiteral("btnResetHTMLToolbar")));
    QStringList order;
    QWidget* widget = window.focusWidget();
    for (int i = 0; i < 5; ++i) {
        order.append(widget->objectName());
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(order, (QStringList{"btnResetHTMLToolbar", "btnResetStdProcs", "btnResetMIME",
                                 "btnAbout", "btnExit"}));
}

void TestAdditionalFunctionsWindow::reset_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QByteArray>("before"); // "-" for no file
    QTest::addColumn<int>("answer");        // a button, or 0 for Esc
    QTest::addColumn<bool>("written");

    const QByteArray larger = QByteArray("old line\r\n").repeated(500);
    const QStringList questions = {"Reset HTML toolbar?", "Reset standard procedures panel?",
                                   "Reset MIME types?"};
    for (int i = 0; i < 3; ++i) {
        const QString name = resetButtons[i];
        const QByteArray tag = name.toLatin1();
        QTest::newRow(tag + ": Yes over a larger file")
            << name << questions[i] << larger << int(QMessageBox::Yes) << true;
        QTest::newRow(tag + ": Yes creates a missing file")
            << name << questions[i] << QByteArray("-") << int(QMessageBox::Yes) << true;
        QTest::newRow(tag + ": No keeps the file")
            << name << questions[i] << larger << int(QMessageBox::No) << false;
        QTest::newRow(tag + ": No creates nothing")
            << name << questions[i] << QByteArray("-") << int(QMessageBox::No) << false;
        QTest::newRow(tag + ": Esc creates nothing")
            << name << questions[i] << QByteArray("-") << 0 << false;
    }
}

void TestAdditionalFunctionsWindow::reset()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, question);
    QFETCH(QByteArray, before);
    QFETCH(int, answer);
    QFETCH(bool, written);
    ResetProfile profile;
    const QString path = profile.pathFor(buttonName);
    if (before != "-")
        writeBytes(path, before);
    DialogAnswerer answerer;
    AdditionalFunctionsWindow window(nullptr, profile.options);
    answerer.expect([&](QDialog& shown) {
        button(shown, buttonName)->click();
        QVERIFY(shown.isVisible());
        shown.reject();
    });
    answerer.expect([&](QDialog& box) {
        QCOMPARE(describeWindow(box), question);
        if (answer)
            pressButton(box, QMessageBox::StandardButton(answer));
        else
            QTest::keyClick(&box, Qt::Key_Escape);
    });
    Modal::exec(window);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QVERIFY(answerer.allAnswered());
    if (written)
        QCOMPARE(fileBytes(path), defaultBytes(buttonName));
    else if (before == "-")
        QVERIFY(!QFile::exists(path));
    else
        QCOMPARE(fileBytes(path), before);
}

void TestAdditionalFunctionsWindow::resetTwiceWritesTheSameBytes()
{
    ResetProfile profile;
    DialogAnswerer answerer;
    AdditionalFunctionsWindow window(nullptr, profile.options);
    answerer.expect([&](QDialog& shown) {
        button(shown, QStringLiteral("btnResetHTMLToolbar"))->click();
        const QByteArray first = fileBytes(profile.pathFor(QStringLiteral("btnResetHTMLToolbar")));
        button(shown, QStringLiteral("btnResetHTMLToolbar"))->click();
        QCOMPARE(fileBytes(profile.pathFor(QStringLiteral("btnResetHTMLToolbar"))), first);
        QCOMPARE(first.size(), 345);
        shown.reject();
    });
    answerer.expectMessage(QMessageBox::Yes);
    answerer.expectMessage(QMessageBox::Yes);
    Modal::exec(window);
    QVERIFY(answerer.surprises().isEmpty());
}

void TestAdditionalFunctionsWindow::proceduresPathIsGluedAsTheEditorReadsIt()
{
    ResetProfile profile;
    profile.options.values[Opt_AppPath] = profile.dir.path() + QStringLiteral("/Hôst");
    DialogAnswerer answerer;
    AdditionalFunctionsWindow window(nullptr, profile.options);
    QVERIFY(clickInside(window, answerer, {QStringLiteral("btnResetStdProcs")},
                        {press(QMessageBox::Yes)}));
    const QString glued = profile.dir.path() + QStringLiteral("/HôstCstProcs.dat");
    QCOMPARE(proceduresFilePath(profile.options), glued);
    QCOMPARE(fileBytes(glued).size(), 584);
}

void TestAdditionalFunctionsWindow::pathIsTakenBeforeTheQuestion()
{
    ResetProfile profile;
    const QString first = profile.options.values[Opt_MIMEPraserCFG];
    const QString second = profile.dir.path() + QStringLiteral("/changed.cfg");
    DialogAnswerer answerer;
    AdditionalFunctionsWindow window(nullptr, profile.options);
    const DialogAnswerer::Answer changeThenYes = [&](QDialog& box) {
        profile.options.values[Opt_MIMEPraserCFG] = second;
        pressButton(box, QMessageBox::Yes);
    };
    clickInside(window, answerer, {QStringLiteral("btnResetMIME")}, {changeThenYes});
    QCOMPARE(fileBytes(first).size(), 36);
    QVERIFY(!QFile::exists(second));
}

void TestAdditionalFunctionsWindow::failedResetKeepsOldBytesAndWindow_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("cause");

    QTest::newRow("empty path") << "empty"
                                << "no file name";
    QTest::newRow("missing folder") << "folder"
                                    << "No such file";
    QTest::newRow("read-only file") << "read-only"
                                    << "read-only";
    QTest::newRow("path is a folder") << "dir"
                                      << "not a regular file";
}

void TestAdditionalFunctionsWindow::failedResetKeepsOldBytesAndWindow()
{
    QFETCH(QString, fault);
    QFETCH(QString, cause);
    ResetProfile profile;
    QString& path = profile.options.values[Opt_MIMEPraserCFG];
    writeBytes(path, "OLD\r\n.old\r\n");
    if (fault == QLatin1String("empty"))
        path.clear();
    else if (fault == QLatin1String("folder"))
        path = profile.dir.path() + QStringLiteral("/missing/mime.cfg");
    else if (fault == QLatin1String("read-only"))
        QFile::setPermissions(path, QFileDevice::ReadOwner);
    else
        path = profile.dir.path();
    const QString oldFile = profile.dir.path() + QStringLiteral("/mime types.cfg");
    DialogAnswerer answerer;
    AdditionalFunctionsWindow window(nullptr, profile.options);
    QStringList texts;
    QVERIFY(clickInside(window, answerer, {QStringLiteral("btnResetMIME")},
                        {press(QMessageBox::Yes), press(QMessageBox::Ok, &texts)}));
    QCOMPARE(texts.size(), 1);
    const QString error = texts.at(0);
    QVERIFY2(error.contains(cause), qPrintable(error));
    if (!path.isEmpty())
        QVERIFY2(error.contains(path), qPrintable(error));
    QCOMPARE(fileBytes(oldFile), QByteArray("OLD\r\n.old\r\n"));
}

void TestAdditionalFunctionsWindow::escapeClosesWithCancel()
{
    FakeOptions options;
    DialogAnswerer answerer;
    AdditionalFunctionsWindow window(nullptr, options);
    answerer.expect([](QDialog& shown) { QTest::keyClick(&shown, Qt::Key_Escape); });
    QCOMPARE(Modal::exec(window), int(QDialog::Rejected));
    QVERIFY(answerer.surprises().isEmpty());
}

void TestAdditionalFunctionsWindow::aboutBox()
{
    FakeOptions options;
    DialogAnswerer answerer;
    AdditionalFunctionsWindow window(nullptr, options);
    bool escapeIgnored = false;
    answerer.expect([](QDialog& shown) {
        button(shown, QStringLiteral("btnAbout"))->click();
        shown.reject();
    });
    answerer.expect([&](QDialog& about) {
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.size(), QSize(298, 213));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
                 QStringLiteral("Tarvel Halvex configuration editor"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Version"))->text(),
                 QStringLiteral("Version 1.0 (for Halvex 1.5)"));
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            for (const QString& line : label->text().split(QLatin1Char('\n')))
                QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->width(),
                         qPrintable(line));
        }
        QVERIFY(!about.findChild<QLabel*>(QStringLiteral("ProgramIcon"))->pixmap().isNull());
        QCOMPARE(button(about, QStringLiteral("OKButton"))->geometry(), QRect(111, 180, 75, 25));
        QTest::keyClick(&about, Qt::Key_Escape);
        escapeIgnored = about.isVisible();
        QTest::keyClick(&about, Qt::Key_Return);
    });
    Modal::exec(window);
    QVERIFY(escapeIgnored);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QVERIFY(answerer.allAnswered());
}

HALVEX_TEST_MAIN(TestAdditionalFunctionsWindow)
#include "tst_AdditionalFunctionsWindow.moc"
