#include "app/StartWindow.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "support/TreeDriver.h"
#include "tools/DemoProfile.h"

#include <QAbstractItemView>
#include <QPushButton>
#include <QTreeView>

namespace {

// "type suffix; ..." of the MIME types list.
QString rows(const QAbstractItemView& list)
{
    QStringList parts;
    const QAbstractItemModel& model = *list.model();
    for (int row = 0; row < model.rowCount(); ++row)
        parts << model.index(row, 0).data().toString() + QLatin1Char(' ') +
                     model.index(row, 1).data().toString();
    return parts.join(QStringLiteral("; "));
}

} // namespace

// Resets the three files from the Additional window, then opens each editor from the start
// window: every editor shows the built-in contents.
class TestResetThroughEditors : public QObject
{
    Q_OBJECT

private slots:
    void editorsShowTheDefaultsAfterReset();
};

void TestResetThroughEditors::editorsShowTheDefaultsAfterReset()
{
    TestProfile profile;
    const QString folder = profile.hostPath(QString());
    profile.setValues({{Opt_HTMLToolbarCFG, folder + QStringLiteral("tool bar.cfg")},
                       {Opt_HTMLToolbarGlyphs, folder + QStringLiteral("strip.bmp")},
                       {Opt_MIMEPraserCFG, folder + QStringLiteral("mime.cfg")},
                       {Opt_AppPath, folder}});
    QVERIFY(drawDemoStrip().save(folder + QStringLiteral("strip.bmp")));
    for (const char* file : {"tool bar.cfg", "mime.cfg", "CstProcs.dat"})
        writeBytes(folder + QString::fromLatin1(file), "SECTION_9\r\nX/Y\r\n1:0:x:y\r\n");

    StartWindow start;
    start.show();
    DialogAnswerer answerer;
    answerer.expect([](QDialog& additional) {
        click(additional, "resetToolbarButton");
        click(additional, "resetProceduresButton");
        click(additional, "resetMimeTypesButton");
        click(additional, "closeButton");
    });
    for (int i = 0; i < 3; ++i)
        answerer.expectMessage(QMessageBox::Yes);
    click(start, "additionalButton");

    QString toolbar, procedures, mime;
    answerer.expect([&](QDialog& editor) {
        toolbar = childCounts(*control<QTreeView>(editor, "itemsView"));
        click(editor, "cancelButton");
    });
    click(start, "toolbarButton");
    answerer.expect([&](QDialog& editor) {
        procedures = childCounts(*control<QTreeView>(editor, "itemsView"));
        click(editor, "cancelButton");
    });
    click(start, "proceduresButton");
    answerer.expect([&](QDialog& editor) {
        mime = rows(*control<QAbstractItemView>(editor, "itemsView"));
        click(editor, "cancelButton");
    });
    click(start, "mimeTypesButton");

    QCOMPARE(answerer.messages(),
             (QStringList{"Reset HTML toolbar?", "Reset standard procedures panel?",
                          "Reset MIME types?"}));
    QCOMPARE(toolbar, QStringLiteral("Standard:6, Graphics:1, Lists:3"));
    QCOMPARE(procedures, QStringLiteral("Misc:8, Output:4, Input:2"));
    QCOMPARE(mime, QStringLiteral("TEXT/HTML .html; TEXT/PLAIN .txt"));
}

HALVEX_TEST_MAIN(TestResetThroughEditors)
#include "tst_ResetThroughEditors.moc"
