#include "procedures/CodeField.h"
#include "support/TestMain.h"

#include <QFontInfo>
#include <QPlainTextEdit>

class TestCodeField : public QObject
{
    Q_OBJECT

private slots:
    void lineBreaksBecomeCrLf_data();
    void lineBreaksBecomeCrLf();
    void typedLineBreaksComeOutAsCrLf_data();
    void typedLineBreaksComeOutAsCrLf();
    void textComesBackAsItWasSet();
    void fixedPitchFont();
};

void TestCodeField::lineBreaksBecomeCrLf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("crLf");

    QTest::newRow("CR LF stays one break") << "a\r\nb"
                                           << "a\r\nb";
    QTest::newRow("lone LF") << "a\nb"
                             << "a\r\nb";
    QTest::newRow("lone CR") << "a\rb"
                             << "a\r\nb";
    QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                         << "a\r\n\r\nb";
    QTest::newRow("CR CR LF is two breaks") << "\r\r\n"
                                            << "\r\n\r\n";
    QTest::newRow("paragraph separator") << QString::fromUtf8("a\u2029b") << "a\r\nb";
    QTest::newRow("line separator of Shift+Enter") << QString::fromUtf8("a\u2028b") << "a\r\nb";
    QTest::newRow("break at the end") << "a\n"
                                      << "a\r\n";
    QTest::newRow("other characters untouched")
        << QString::fromUtf8("\t%1\u00a0%2 \u0085") << QString::fromUtf8("\t%1\u00a0%2 \u0085");
}

void TestCodeField::lineBreaksBecomeCrLf()
{
    QFETCH(QString, text);
    QFETCH(QString, crLf);
    QCOMPARE(withCrLfBreaks(text), crLf);
}

void TestCodeField::typedLineBreaksComeOutAsCrLf_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");

    QTest::newRow("Enter") << int(Qt::NoModifier) << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::KeypadModifier) << int(Qt::Key_Enter);
    QTest::newRow("Shift+Enter") << int(Qt::ShiftModifier) << int(Qt::Key_Return);
}

void TestCodeField::typedLineBreaksComeOutAsCrLf()
{
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QPlainTextEdit field;
    setUpCodeField(field);
    QTest::keyClicks(&field, "a");
    QTest::keyClick(&field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::keyClicks(&field, "b");
    QCOMPARE(codeFieldText(field), QStringLiteral("a\r\nb"));
}

void TestCodeField::textComesBackAsItWasSet()
{
    QPlainTextEdit field;
    setUpCodeField(field);
    const QString text = QString::fromUtf8("\r\n  if (1)\u00a0{\r\n\tx;%2\u0081\r\n\r\n");
    field.setPlainText(text);
    QCOMPARE(codeFieldText(field), text);
}

void TestCodeField::fixedPitchFont()
{
    QPlainTextEdit field;
    setUpCodeField(field);
    // Every letter as wide as any other, whatever the font database says of the family.
    const QFontMetrics metrics(field.font());
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')),
             metrics.horizontalAdvance(QLatin1Char('W')));
    QVERIFY(field.tabChangesFocus());
}

HALVEX_TEST_MAIN(TestCodeField)
#include "tst_CodeField.moc"
