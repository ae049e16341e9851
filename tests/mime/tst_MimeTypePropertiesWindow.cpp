#include "mime/MimeTypePropertiesWindowUnit.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

class TestMimeTypePropertiesWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowFrame();
    void controls_data();
    void controls();
    void tabOrderAndFirstFocus();
    void fieldsComeBackOnlyWithOk_data();
    void fieldsComeBackOnlyWithOk();
};

void TestMimeTypePropertiesWindow::windowFrame()
{
    MimeTypePropertiesWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("MIME type properties"));
    QCOMPARE(window.size(), QSize(267, 120));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!window.findChild<PlacementStore*>());
}

void TestMimeTypePropertiesWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<int>("width");

    QTest::newRow("OK") << "btnOk"
                        << "OK" << QPoint(104, 88) << 75;
    QTest::newRow("Cancel") << "btnCancel"
                            << "Cancel" << QPoint(184, 88) << 75;
    QTest::newRow("type field") << "txtMIMEType"
                                << "" << QPoint(88, 8) << 169;
    QTest::newRow("suffix field") << "txtSuffix"
                                  << "" << QPoint(88, 32) << 169;
    QTest::newRow("type label") << "Label1"
                                << "MIME type" << QPoint(8, 16) << -1;
    QTest::newRow("suffix label") << "Label2"
                                  << "File name suffix" << QPoint(8, 40) << -1;
    QTest::newRow("hint, odd spelling and all") << "Label3"
                                                << "Exemple: .html" << QPoint(96, 56) << -1;
}

void TestMimeTypePropertiesWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QPoint, position);
    QFETCH(int, width);
    MimeTypePropertiesWindow window;
    QWidget* control = window.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->pos(), position);
    if (width > 0)
        QCOMPARE(control->width(), width);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), caption);
        // Whole, and clear of the fields on its right.
        QVERIFY(label->fontMetrics().horizontalAdvance(caption) <= label->width());
        QVERIFY(label->geometry().right() < 88 || name == QLatin1String("Label3"));
    }
    if (auto* push = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(push->text(), caption);
        QVERIFY(!push->icon().isNull());
    }
}

void TestMimeTypePropertiesWindow::tabOrderAndFirstFocus()
{
    MimeTypePropertiesWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.focusWidget()->objectName(), QStringLiteral("btnOk"));
    QStringList order;
    QWidget* widget = window.focusWidget();
    for (int i = 0; i < 5; ++i) {
        order.append(widget->objectName());
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(order, (QStringList{"btnOk", "btnCancel", "txtMIMEType", "txtSuffix", "btnOk"}));
}

void TestMimeTypePropertiesWindow::fieldsComeBackOnlyWithOk_data()
{
    QTest::addColumn<QString>("shownType");
    QTest::addColumn<QString>("typedSuffix"); // typed key by key at the end of the suffix
    QTest::addColumn<int>("close");           // 0 OK button, 1 Enter, 2 Cancel button, 3 Esc
    QTest::addColumn<QString>("result");      // "type|suffix", or "-" for nothing

    QTest::newRow("OK gives both texts exactly") << " text/Html "
                                                 << " .X y" << 0 << " text/Html | .X y";
    QTest::newRow("Enter in a field is OK") << "a/b"
                                            << ".c" << 1 << "a/b|.c";
    QTest::newRow("Cancel gives nothing") << "a/b"
                                          << ".c" << 2 << "-";
    QTest::newRow("Esc gives nothing") << "a/b"
                                       << ".c" << 3 << "-";
    QTest::newRow("long text is not cut") << QString(40000, QLatin1Char('t')) << "" << 0
                                          << QString(40000, QLatin1Char('t')) + QLatin1Char('|');
}

void TestMimeTypePropertiesWindow::fieldsComeBackOnlyWithOk()
{
    QFETCH(QString, shownType);
    QFETCH(QString, typedSuffix);
    QFETCH(int, close);
    QFETCH(QString, result);
    DialogAnswerer answerer;
    QPoint centre;
    answerer.expect([&](QDialog& window) {
        centre = window.frameGeometry().center();
        auto* suffix = window.findChild<QLineEdit*>(QStringLiteral("txtSuffix"));
        QTest::keyClicks(suffix, typedSuffix);
        if (close == 1 || close == 3)
            QTest::keyClick(suffix, close == 1 ? Qt::Key_Return : Qt::Key_Escape);
        else
            window.findChild<QPushButton*>(close == 0 ? "btnOk" : "btnCancel")->click();
    });
    const std::optional<MimeType> answer =
        MimeTypePropertiesWindow::ask(nullptr, MimeType{DocumentText(shownType), {}});
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QCOMPARE(answer ? answer->type.toString() + QLatin1Char('|') + answer->suffix.toString()
                    : QStringLiteral("-"),
             result);
    QVERIFY((centre - QGuiApplication::primaryScreen()->availableGeometry().center())
                .manhattanLength() <= 2);
}

HALVEX_TEST_MAIN(TestMimeTypePropertiesWindow)
#include "tst_MimeTypePropertiesWindow.moc"
