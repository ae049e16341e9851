#include "mime/MimeTypeDialog.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

class TestMimeTypeDialog : public QObject
{
    Q_OBJECT

private slots:
    void captions();
    void fieldsComeBackUncheckedOnlyWithOk_data();
    void fieldsComeBackUncheckedOnlyWithOk();
    void characterTheFileCannotHoldIsRefused_data();
    void characterTheFileCannotHoldIsRefused();
};

void TestMimeTypeDialog::captions()
{
    MimeTypeDialog dialog(nullptr, MimeType());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("MIME type properties"));
    const std::pair<const char*, const char*> captions[] = {{"mimeTypeLabel", "MIME type"},
                                                            {"suffixLabel", "File name suffix"},
                                                            {"exampleLabel", "Exemple: .html"}};
    for (const auto& [name, caption] : captions)
        QCOMPARE(control(dialog, QString::fromLatin1(name))->property("text").toString(),
                 QString::fromLatin1(caption));
}

void TestMimeTypeDialog::fieldsComeBackUncheckedOnlyWithOk_data()
{
    QTest::addColumn<QString>("typedType"); // typed key by key at the end of each field
    QTest::addColumn<QString>("typedSuffix");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result"); // "type|suffix", or "-" for nothing

    QTest::newRow("OK: both texts exactly, case and blanks kept")
        << "/Html " << "X y" << true << " text/Html | .xX y";
    QTest::newRow("OK as shown") << "" << "" << true << " text| .x";
    QTest::newRow("Cancel: nothing") << "/b" << ".c" << false << "-";
}

// The focus starts on OK, so that Enter takes the type as shown. Nothing typed is checked or
// changed: duplicates and odd texts are the list's to show.
void TestMimeTypeDialog::fieldsComeBackUncheckedOnlyWithOk()
{
    QFETCH(QString, typedType);
    QFETCH(QString, typedSuffix);
    QFETCH(bool, ok);
    QFETCH(QString, result);
    DialogAnswerer answerer;
    QPoint centre;
    answerer.expect([&](QDialog& window) {
        QVERIFY(QTest::qWaitForWindowActive(&window));
        centre = window.frameGeometry().center();
        const auto* box = control<QDialogButtonBox>(window, "buttonBox");
        QCOMPARE(window.focusWidget(), box->button(QDialogButtonBox::Ok));
        QTest::keyClicks(control<QLineEdit>(window, "mimeTypeEdit"), typedType);
        QTest::keyClicks(control<QLineEdit>(window, "suffixEdit"), typedSuffix);
        ok ? clickOk(window) : clickCancel(window);
    });
    const std::optional<MimeType> answer =
        MimeTypeDialog::edit(nullptr, MimeType(QStringLiteral(" text"), QStringLiteral(" .x")));
    QCOMPARE(answer ? answer->type() + QLatin1Char('|') + answer->suffix() : QStringLiteral("-"),
             result);
    QVERIFY((centre - QGuiApplication::primaryScreen()->availableGeometry().center())
                .manhattanLength() <= 2);
}

void TestMimeTypeDialog::characterTheFileCannotHoldIsRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");

    // Taken, it once failed only at the editor's OK, where the window's other changes waited on
    // it.
    QTest::newRow("a suffix's Omega") << "suffixEdit" << QString::fromUtf8(".\u03a9");
    // At the start of a field it once vanished, and the file got "TEXT/CSS" without a word.
    QTest::newRow("a type's leading byte-order mark")
        << "mimeTypeEdit" << QString(QChar(0xFEFF)) + QStringLiteral("text/css");
}

void TestMimeTypeDialog::characterTheFileCannotHoldIsRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    DialogAnswerer answerer;
    bool stayedOpen = false;
    answerer.expect([&](QDialog& window) {
        control<QLineEdit>(window, field)->setText(text);
        clickOk(window);
        stayedOpen = window.isVisible();
        clickCancel(window);
    });
    answerer.expectMessage();
    QVERIFY(!MimeTypeDialog::edit(nullptr, MimeType()));
    QVERIFY(stayedOpen);
    QVERIFY2(answerer.messages().value(0).contains(QStringLiteral("cannot hold")),
             qPrintable(answerer.messages().value(0)));
}

HALVEX_TEST_MAIN(TestMimeTypeDialog)
#include "tst_MimeTypeDialog.moc"
