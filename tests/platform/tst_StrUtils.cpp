#include "platform/StrUtils.h"

#include <QTest>

class TestStrUtils : public QObject
{
    Q_OBJECT

private slots:
    void extractDelimited_data();
    void extractDelimited();
    void replaceStr_data();
    void replaceStr();
};

void TestStrUtils::extractDelimited_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("delimiters");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first field") << 1 << "1:2:Bold"
                                 << ":"
                                 << "1";
    QTest::newRow("middle field") << 2 << "1:2:Bold"
                                  << ":"
                                  << "2";
    QTest::newRow("last field runs to the end") << 3 << "1:2:Bold"
                                                << ":"
                                                << "Bold";
    QTest::newRow("field past the last is empty") << 4 << "1:2:Bold"
                                                  << ":"
                                                  << "";
    QTest::newRow("far past the last is empty") << 9 << "a"
                                                << ":"
                                                << "";
    QTest::newRow("leading delimiter: field 1 empty") << 1 << ":2:x"
                                                      << ":"
                                                      << "";
    QTest::newRow("leading delimiter: field 2") << 2 << ":2:x"
                                                << ":"
                                                << "2";
    QTest::newRow("adjacent delimiters enclose an empty field") << 2 << "a::b"
                                                                << ":"
                                                                << "";
    QTest::newRow("empty field counts for those after") << 3 << "a::b"
                                                        << ":"
                                                        << "b";
    QTest::newRow("trailing delimiter gives an empty last field") << 2 << "a:"
                                                                  << ":"
                                                                  << "";
    QTest::newRow("nothing is trimmed") << 2 << " a : b "
                                        << ":"
                                        << " b ";
    QTest::newRow("empty text") << 1 << ""
                                << ":"
                                << "";
    QTest::newRow("no delimiter: whole text") << 1 << "abc"
                                              << ":"
                                              << "abc";
    QTest::newRow("field 0 is empty") << 0 << "a:b"
                                      << ":"
                                      << "";
}

void TestStrUtils::extractDelimited()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, delimiters);
    QFETCH(QString, expected);
    const QByteArray utf8 = text.toUtf8();
    QCOMPARE(QString::fromUtf8(::extractDelimited(field, utf8, delimiters.toLatin1().at(0))),
             expected);
}

void TestStrUtils::replaceStr_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");

    QTest::newRow("every occurrence") << "a%2b%2c"
                                      << "%2"
                                      << "\r\n"
                                      << "a\r\nb\r\nc";
    QTest::newRow("decoded digit after macro stays") << "%22"
                                                     << "%2"
                                                     << "\r\n"
                                                     << "\r\n2";
    QTest::newRow("no overlap") << "aaa"
                                << "aa"
                                << "b"
                                << "ba";
    QTest::newRow("inserted text not scanned again") << "ab"
                                                     << "a"
                                                     << "aa"
                                                     << "aab";
    QTest::newRow("replacement forming a new hit is left") << "%%22"
                                                           << "%2"
                                                           << ""
                                                           << "%2";
    QTest::newRow("nothing found") << "abc"
                                   << "x"
                                   << "y"
                                   << "abc";
    QTest::newRow("empty search changes nothing") << "abc"
                                                  << ""
                                                  << "y"
                                                  << "abc";
    QTest::newRow("CR LF pairs encoded") << "a\r\nb\r\n"
                                         << "\r\n"
                                         << "%2"
                                         << "a%2b%2";
    QTest::newRow("lone CR and LF untouched") << "a\rb\nc"
                                              << "\r\n"
                                              << "%2"
                                              << "a\rb\nc";
}

void TestStrUtils::replaceStr()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QCOMPARE(::replaceAll(text, search, replacement), expected);
}

QTEST_GUILESS_MAIN(TestStrUtils)
#include "tst_StrUtils.moc"
