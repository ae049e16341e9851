#include "app/StartWindow.h"
#include "common/Modal.h"
#include "support/Controls.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>

#include <sys/stat.h>

namespace {

bool holdsControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\n'))
            return true;
    }
    return false;
}

} // namespace

// Host settings that name no usable file: every editor and every reset reports it in a message
// a person can read, and the program goes on.
class TestBadHostSettings : public QObject
{
    Q_OBJECT

private slots:
    void everyCommandReportsAndTheProgramGoesOn_data();
    void everyCommandReportsAndTheProgramGoesOn();
};

void TestBadHostSettings::everyCommandReportsAndTheProgramGoesOn_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("cause");

    QTest::newRow("very long") << QStringLiteral("/tmp/") + QString(100000, QLatin1Char('x')) << "";
    QTest::newRow("control characters") << QStringLiteral("/no such folder/a\tb\x01"
                                                          "c\x1b[31m")
                                        << "";
    QTest::newRow("an endless device") << "/dev/zero"
                                       << "not a regular file";
    QTest::newRow("a device") << "/dev/null"
                              << "not a regular file";
    QTest::newRow("a folder") << "%1"
                              << "";
    QTest::newRow("a fifo") << "%1/fifo"
                            << "not a regular file";
}

void TestBadHostSettings::everyCommandReportsAndTheProgramGoesOn()
{
    QFETCH(QString, value);
    QFETCH(QString, cause);
    TestProfile profile;
    value.replace(QStringLiteral("%1"), profile.folder());
    if (value.endsWith(QLatin1String("/fifo")))
        QVERIFY(mkfifo(QFile::encodeName(value).constData(), 0600) == 0);
    profile.setValues({{Opt_HTMLToolbarCFG, value},
                       {Opt_HTMLToolbarGlyphs, value},
                       {Opt_MIMEPraserCFG, value},
                       {Opt_AppPath, value + QLatin1Char('/')}});
    QStringList errors;
    int windows = 0;
    Modal::setHook([&](QDialog& shown) {
        auto* box = qobject_cast<QMessageBox*>(&shown);
        if (box && box->icon() == QMessageBox::Critical) {
            errors << box->text();
            box->accept();
        } else if (box) {
            box->button(QMessageBox::Yes)->click();
        } else if (shown.objectName() == QLatin1String("AdditionalFunctionsDialog")) {
            ++windows;
            for (const char* reset :
                 {"resetToolbarButton", "resetProceduresButton", "resetMimeTypesButton"})
                click(shown, reset);
            shown.reject();
        } else {
            ++windows;
            shown.reject();
        }
    });
    StartWindow start;
    start.show();
    for (const char* command :
         {"toolbarButton", "proceduresButton", "mimeTypesButton", "additionalButton"})
        click(start, command);
    Modal::setHook({});

    QCOMPARE(windows, 4);
    QVERIFY(start.isVisible());
    // Toolbar: strip and file; procedures; MIME types; the resets that could not write.
    QVERIFY2(errors.size() >= 5, qPrintable(errors.join('\n')));
    for (const QString& error : errors) {
        QVERIFY2(error.startsWith(QLatin1String("Cannot")), qPrintable(error));
        QVERIFY2(error.size() < 700, qPrintable(error.left(700)));
        QVERIFY2(!holdsControlCharacter(error), qPrintable(error));
    }
    // The strip, toolbar and MIME types loads name the cause; the resets of a file that every
    // setting names are refused before it is looked at, as it is another role's file.
    if (!cause.isEmpty())
        QVERIFY2(errors.filter(cause).size() >= 3, qPrintable(errors.join('\n')));
}

HALVEX_TEST_MAIN(TestBadHostSettings)
#include "tst_BadHostSettings.moc"
