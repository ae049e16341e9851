#include "mime/MimeTypesModel.h"
#include "support/DocumentBytes.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

MimeType typeOf(const QString& row)
{
    return MimeType(row.section(QLatin1Char('|'), 0, 0), row.section(QLatin1Char('|'), 1));
}

MimeTypesDocument typesOf(const QString& rows)
{
    MimeTypesDocument types;
    for (const QString& row : rows.split(QStringLiteral("; ")))
        types.rows.append(typeOf(row));
    return types;
}

// Per row "type mark|suffix mark", a mark being the other row (from 1) that the tooltip names,
// or "-" for an unmarked cell.
QString marks(const MimeTypesModel& table)
{
    QStringList rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < MimeTypesModel::ColumnCount; ++column) {
            const QModelIndex cell = table.index(row, column);
            const QString tip = cell.data(Qt::ToolTipRole).toString();
            const bool coloured = cell.data(Qt::ForegroundRole).isValid();
            if (coloured != !tip.isEmpty())
                return QStringLiteral("colour and tooltip disagree on row %1").arg(row + 1);
            cells.append(tip.isEmpty() ? QStringLiteral("-")
                                       : tip.section(QLatin1Char(' '), -1).chopped(1));
        }
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows.join(QStringLiteral("; "));
}

} // namespace

class TestMimeTypesModel : public QObject
{
    Q_OBJECT

private slots:
    void duplicatesAreMarked_data();
    void duplicatesAreMarked();
    void marksFollowEveryChange();
    void tooltipNamesTheOtherRow();
};

void TestMimeTypesModel::duplicatesAreMarked_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("marks");

    QTest::newRow("no duplicates") << "A/B|.a; C/D|.c"
                                   << "-|-; -|-";
    QTest::newRow("same type: both rows name each other") << "A/B|.a; C/D|.c; A/B|.b"
                                                          << "3|-; -|-; 1|-";
    QTest::newRow("types compare as written, in capitals") << "text/html|.a; TEXT/HTML|.b"
                                                           << "2|-; 1|-";
    QTest::newRow("letters outside a-z keep types apart")
        << QString::fromUtf8("é/x|.a; É/X|.b") << "-|-; -|-";
    QTest::newRow("suffixes compare exactly") << "A/B|.htm; C/D|.HTM; E/F|.htm "
                                              << "-|-; -|-; -|-";
    QTest::newRow("same suffix on three rows") << "A/B|.x; C/D|.x; E/F|.x"
                                               << "-|2; -|1; -|1";
    QTest::newRow("empty suffixes are the same text") << "A/B|; C/D|"
                                                      << "-|2; -|1";
    QTest::newRow("same row twice: both cells") << "A/B|.a; A/B|.a"
                                                << "2|2; 1|1";
}

void TestMimeTypesModel::duplicatesAreMarked()
{
    QFETCH(QString, rows);
    QFETCH(QString, marks);
    MimeTypesModel table;
    table.setDocument(typesOf(rows));
    QCOMPARE(::marks(table), marks);
}

// A change on one row can mark or unmark another row: the views must hear of that row too.
void TestMimeTypesModel::marksFollowEveryChange()
{
    MimeTypesModel table;
    QAbstractItemModelTester tester(&table, QAbstractItemModelTester::FailureReportingMode::QtTest);
    table.setDocument(typesOf(QStringLiteral("A/B|.a; C/D|.c; E/F|.e")));
    QSignalSpy changed(&table, &QAbstractItemModel::dataChanged);
    const auto heard = [&](int row) {
        for (const QList<QVariant>& signal : changed) {
            if (signal[0].toModelIndex().row() <= row && row <= signal[1].toModelIndex().row())
                return true;
        }
        return false;
    };

    table.setNode({2, -1}, typeOf(QStringLiteral("a/b|.c")));
    QCOMPARE(marks(table), QStringLiteral("3|-; -|3; 1|2"));
    QVERIFY(heard(0) && heard(1));
    changed.clear();
    table.takeNodes({0, -1}, 1);
    QCOMPARE(marks(table), QStringLiteral("-|2; -|1"));
    QVERIFY(heard(1));
    changed.clear();
    table.setNode({0, -1}, typeOf(QStringLiteral("C/D|.d")));
    QCOMPARE(marks(table), QStringLiteral("-|-; -|-"));
    QVERIFY(heard(1));
    QList<MimeType> added{typeOf(QStringLiteral("c/d|.e"))};
    table.insertNodes({2, -1}, added);
    QCOMPARE(marks(table), QStringLiteral("3|-; -|-; 1|-"));
    table.moveNode({2, -1}, {0, -1});
    QCOMPARE(marks(table), QStringLiteral("2|-; 1|-; -|-"));
    QCOMPARE(writeMimeTypes(table.document(), QStringLiteral("t")),
             QByteArray("C/D\r\n.e\r\nC/D\r\n.d\r\nA/B\r\n.c\r\n"));
}

void TestMimeTypesModel::tooltipNamesTheOtherRow()
{
    MimeTypesModel table;
    table.setDocument(typesOf(QStringLiteral("A/B|.x; C/D|.x; a/b|.y")));
    QCOMPARE(table.index(2, MimeTypesModel::TypeColumn).data(Qt::ToolTipRole).toString(),
             QStringLiteral("The same MIME type stands on row 1."));
    QCOMPARE(table.index(0, MimeTypesModel::SuffixColumn).data(Qt::ToolTipRole).toString(),
             QStringLiteral("The same extension stands on row 2."));
    QCOMPARE(table.index(0, MimeTypesModel::TypeColumn).data(Qt::DisplayRole).toString(),
             QStringLiteral("A/B"));
    QCOMPARE(table.index(2, MimeTypesModel::TypeColumn).data(Qt::DisplayRole).toString(),
             QStringLiteral("a/b"));
}

QTEST_APPLESS_MAIN(TestMimeTypesModel)
#include "tst_MimeTypesModel.moc"
