#include "common/ErrorGuard.h"
#include "common/Form.h"
#include "common/Modal.h"
#include "platform/AppError.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"

#include <QPushButton>

namespace {

using Step = std::function<void(class SampleForm&)>;

class SampleForm : public Form
{
public:
    SampleForm(QWidget* parent, Step create, Step ok, bool withCancel)
        : Form(parent), m_create(std::move(create))
    {
        okButton = new QPushButton(QStringLiteral("OK"), this);
        cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
        setOkButton(okButton, [this, ok] {
            if (ok)
                ok(*this);
        });
        if (withCancel)
            setCancelButton(cancelButton);
    }

    QPushButton* okButton;
    QPushButton* cancelButton;
    QStringList steps;

protected:
    void onCreate() override
    {
        if (m_create)
            m_create(*this);
    }

private:
    Step m_create;
};

void failWith(const QString& message)
{
    throw AppError(message);
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void guardShowsEscapedErrors_data();
    void guardShowsEscapedErrors();
    void okHandlerDecidesWhetherWindowCloses_data();
    void okHandlerDecidesWhetherWindowCloses();
    void failingCreateHandlerLeavesWindowWithWhatItDid();
    void escapeNeedsCancelButton_data();
    void escapeNeedsCancelButton();
    void confirmationAnswers_data();
    void confirmationAnswers();
};

void TestForm::guardShowsEscapedErrors_data()
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

void TestForm::guardShowsEscapedErrors()
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

void TestForm::okHandlerDecidesWhetherWindowCloses_data()
{
    QTest::addColumn<int>("handler"); // 0 accepts, 1 keeps open, 2 throws
    QTest::addColumn<bool>("closesWithOk");
    QTest::addColumn<int>("messages");

    QTest::newRow("handler runs through: OK result") << 0 << true << 0;
    QTest::newRow("refusal keeps the window open") << 1 << false << 0;
    QTest::newRow("error is shown and the window stays") << 2 << false << 1;
}

void TestForm::okHandlerDecidesWhetherWindowCloses()
{
    QFETCH(int, handler);
    QFETCH(bool, closesWithOk);
    QFETCH(int, messages);
    DialogAnswerer answerer;
    const Step ok = [handler](SampleForm& form) {
        if (handler == 1)
            form.keepOpen();
        if (handler == 2)
            failWith(QStringLiteral("save failed"));
    };
    SampleForm form(nullptr, {}, ok, true);
    bool stayedOpen = false;
    answerer.expect([&](QDialog&) {
        form.okButton->click();
        stayedOpen = form.isVisible();
        if (stayedOpen)
            form.cancelButton->click();
    });
    if (messages)
        answerer.expectMessage();
    const int result = Modal::exec(form);
    QCOMPARE(result == QDialog::Accepted, closesWithOk);
    QCOMPARE(stayedOpen, !closesWithOk);
    QCOMPARE(answerer.messages().size(), messages);
    QVERIFY(answerer.surprises().isEmpty());
}

void TestForm::failingCreateHandlerLeavesWindowWithWhatItDid()
{
    DialogAnswerer answerer;
    answerer.expectMessage();
    answerer.expect([](QDialog& window) { window.reject(); });
    const Step create = [](SampleForm& form) {
        form.steps.append(QStringLiteral("first step"));
        failWith(QStringLiteral("second step failed"));
        form.steps.append(QStringLiteral("never"));
    };
    SampleForm form(nullptr, create, {}, true);
    form.runCreateHandler();
    QCOMPARE(form.steps, QStringList{"first step"});
    QCOMPARE(answerer.messages(), QStringList{"second step failed"});
    Modal::exec(form);
    QVERIFY(answerer.allAnswered());
    QVERIFY(answerer.surprises().isEmpty());
}

void TestForm::escapeNeedsCancelButton_data()
{
    QTest::addColumn<bool>("withCancel");
    QTest::newRow("Esc presses the cancel button") << true;
    QTest::newRow("no cancel button: Esc does nothing") << false;
}

void TestForm::escapeNeedsCancelButton()
{
    QFETCH(bool, withCancel);
    DialogAnswerer answerer;
    SampleForm form(nullptr, {}, {}, withCancel);
    bool closedByEsc = false;
    answerer.expect([&](QDialog& window) {
        QTest::keyClick(&window, Qt::Key_Escape);
        closedByEsc = !window.isVisible();
        if (!closedByEsc)
            window.reject();
    });
    QCOMPARE(Modal::exec(form), int(QDialog::Rejected));
    QCOMPARE(closedByEsc, withCancel);
}

void TestForm::confirmationAnswers_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("confirmed");

    QTest::newRow("Enter takes the default, Yes") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc answers No") << int(Qt::Key_Escape) << false;
    QTest::newRow("clicking No") << -1 << false;
}

void TestForm::confirmationAnswers()
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

HALVEX_TEST_MAIN(TestForm)
#include "tst_Form.moc"
