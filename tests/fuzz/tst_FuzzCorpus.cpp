#include "FuzzChecks.h"
#include "platform/AppError.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <functional>

// Every seed and every input that once failed, run through the fuzz targets' checks on each
// build.
class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void corpus_data();
    void corpus();
};

void TestFuzzCorpus::corpus_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("path");

    const QString root = QStringLiteral(HALVEX_CORPUS_DIR);
    QDirIterator files(root, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = path.mid(root.size() + 1);
        QTest::newRow(qPrintable(relative)) << relative.section(QLatin1Char('/'), 0, 0) << path;
    }
}

void TestFuzzCorpus::corpus()
{
    QFETCH(QString, target);
    QFETCH(QString, path);
    static const QMap<QString, std::function<void(QByteArrayView)>> checks = {
        {QStringLiteral("linefile"), checkLineFile},
        {QStringLiteral("toolbar"), checkToolbarFile},
        {QStringLiteral("mime"), checkMimeTypesFile},
        {QStringLiteral("procedures"), checkProcsFile},
        {QStringLiteral("hostsettings"), checkHostSettings},
    };
    QVERIFY2(checks.contains(target), "a corpus folder without a check");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    try {
        checks[target](file.readAll());
    } catch (const PropertyViolation& violation) {
        QFAIL(violation.what());
    }
}

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_FuzzCorpus.moc"
