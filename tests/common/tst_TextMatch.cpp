#include "common/TextMatch.h"

#include <QTest>

// The find bar looks for an ASCII text in a document's UTF-8 bytes itself: it must find exactly
// what a text search finds.
class TestTextMatch : public QObject
{
    Q_OBJECT

private slots:
    void textIsFoundWhateverItsCase_data();
    void textIsFoundWhateverItsCase();
};

void TestTextMatch::textIsFoundWhateverItsCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("in");
    QTest::addColumn<bool>("found");

    QTest::newRow("either case") << "TaG"
                                 << "a tag here" << true;
    QTest::newRow("after a partial match") << "aab"
                                           << "aaab" << true;
    QTest::newRow("longer than the text") << "ab"
                                          << "a" << false;
    // The case bit of a letter is no case bit of "@" or "[".
    QTest::newRow("punctuation does not fold") << "@["
                                               << "`{" << false;
    QTest::newRow("an ASCII letter is no byte of another character") << "c"
                                                                     << "\u00E3" << false;
    QTest::newRow("beyond ASCII, either case") << "\u00E9t\u00E9"
                                               << "\u00C9T\u00C9" << true;
}

void TestTextMatch::textIsFoundWhateverItsCase()
{
    QFETCH(QString, text);
    QFETCH(QString, in);
    QFETCH(bool, found);
    const TextMatch match(text);
    QCOMPARE(match.in(QByteArrayView(in.toUtf8())), found);
    QCOMPARE(match.in(QStringView(in)), found);
}

QTEST_APPLESS_MAIN(TestTextMatch)
#include "tst_TextMatch.moc"
