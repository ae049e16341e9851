#include "common/HostFiles.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/EveryWindow.h"
#include "support/TestMain.h"
#include "support/TreeDriver.h"

#include <QTableView>
#include <QTreeView>

// Edit and OK on a node whose texts are longer than QLineEdit's default limit once cut them to
// 32,767 characters, and the file lost the rest.
class TestLongTexts : public QObject
{
    Q_OBJECT

private slots:
    void editAndOkKeepEveryCharacter_data();
    void editAndOkKeepEveryCharacter();
};

namespace {

QByteArray longText(char c)
{
    return QByteArray(100000, c);
}

} // namespace

void TestLongTexts::editAndOkKeepEveryCharacter_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("node"); // edited: a tree path, or the row of a table
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("tag caption and tag")
        << "ToolbarEditor" << Opt_HTMLToolbarCFG << "0/0"
        << "2:0:C\r\n1:1:" + longText('c') + ':' + longText('t') + "\r\n";
    QTest::newRow("category caption") << "ToolbarEditor" << Opt_HTMLToolbarCFG << "0"
                                      << "2:0:" + longText('c') + "\r\n";
    QTest::newRow("procedure caption and code")
        << "ProceduresEditor" << Opt_AppPath << "0/0"
        << "SECTION_0\r\n" + longText('c') + "\r\n#" + longText('k') + "\r\n";
    QTest::newRow("MIME type and suffix") << "MimeTypesEditor" << Opt_MIMEPraserCFG << "0"
                                          << longText('T') + "\r\n" + longText('s') + "\r\n";
}

void TestLongTexts::editAndOkKeepEveryCharacter()
{
    QFETCH(QString, editor);
    QFETCH(QString, option);
    QFETCH(QString, node);
    QFETCH(QByteArray, file);
    DemoHost host;
    const QString path = option == Opt_AppPath ? hostFilePath(HostFile::Procedures, host.options)
                                               : host.options.values[option];
    writeBytes(path, file);
    const std::unique_ptr<QDialog> window = makeWindow(editor, host);
    if (auto* tree = window->findChild<QTreeView*>())
        select(*tree, node);
    else
        window->findChild<QTableView*>()->selectRow(node.toInt());
    DialogAnswerer answerer;
    answerer.expect([](QDialog& dialog) { clickOk(dialog); });
    click(*window, "editButton");
    clickOk(*window);
    QVERIFY(fileBytes(path) == file);
}

HALVEX_TEST_MAIN(TestLongTexts)
#include "tst_LongTexts.moc"
