#include "common/ErrorGuard.h"
#include "common/Modal.h"
#include "platform/AppError.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"

#include <QMessageBox>

namespace {

void failWith(const QString& message)
{
    throw AppError(message);
}

} // namespace

class TestErrorGuard : public QObject
{
    Q_OBJECT

private slots:
    void guardShowsEscapedErrors_data();
    void guardShowsEscapedErrors();
    void errorEscapingAnEventHandlerIsShown();
    void confirmationAnswers_data();
    void confirmationAnswers();
};

void TestErrorGuard::guardShowsEscapedErrors_data()
{
    QTest::addColumn<int>("kind"); // 0 none, 1 AppError, 2 std::exception, 3 other
    QTest::addColumn<bool>("ranThrough");
    QTest::addColumn<QString>("message");

    QTest::newRow("no error, no box") << 0 << true << "";
    QTest::newRow("program error shows its message") << 1 << false << "Cannot read \"x\": gone.";
    QTest::newRow("library error is shown too") << 2 << false << "Unexpected error: boom";
    QTest::newRow("anything else is caught")
        << 3 << false << "Unexpected error of an unknown kind.";
}

void TestErrorGuard::guardShowsEscapedErrors()
{
    QFETCH(int, kind);
    QFETCH(bool, ranThrough);
    QFETCH(QString, message);
    DialogAnswerer answerer;
    if (!message.isEmpty())
        answerer.expectMessage();
    const bool result = runGuarded(nullptr, [kind] {
        if (kind == 1)
            failWith(QStringLiteral("Cannot read \"x\": gone."));
        if (kind == 2)
            throw std::runtime_error("boom");
        if (kind == 3)
            throw 42;
    });
    QCOMPARE(result, ranThrough);
    QCOMPARE(answerer.messages(), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

// An error from a handler that had no guard of its own (a letter typed into the find bar) once
// reached Qt's event loop, which ended the program with every unsaved edit.
void TestErrorGuard::errorEscapingAnEventHandlerIsShown()
{
    class FailingWindow : public QWidget
    {
    protected:
        bool event(QEvent* event) override
        {
            if (event->type() == QEvent::User)
                failWith(QStringLiteral("Cannot filter: out of memory."));
            return QWidget::event(event);
        }
    };
    FailingWindow window;
    window.show();
    DialogAnswerer answerer;
    answerer.expectMessage();
    QCoreApplication::postEvent(&window, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&window, QEvent::User);
    QCOMPARE(answerer.messages(), QStringList{QStringLiteral("Cannot filter: out of memory.")});
    QVERIFY(window.isVisible());
}

void TestErrorGuard::confirmationAnswers_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("confirmed");

    QTest::newRow("Enter takes the default, Yes") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc answers No") << int(Qt::Key_Escape) << false;
    QTest::newRow("clicking No") << -1 << false;
}

void TestErrorGuard::confirmationAnswers()
{
    QFETCH(int, key);
    QFETCH(bool, confirmed);
    DialogAnswerer answerer;
    answerer.expect([key](QDialog& box) {
        if (key < 0)
            pressButton(box, QMessageBox::No);
        else
            QTest::keyClick(&box, Qt::Key(key));
    });
    QCOMPARE(Modal::confirm(nullptr, QStringLiteral("Remove?")), confirmed);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

HALVEX_TEST_MAIN(TestErrorGuard)
#include "tst_ErrorGuard.moc"
