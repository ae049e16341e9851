#include "platform/IconTheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray mainIndex = R"([Icon Theme]
Inherits=parent, other
Directories=32x32/apps,scalable/apps,16x16/apps,26x26/apps,22x22/apps,
ScaledDirectories=16x16@2/apps
[32x32/apps]
Size=32
Type=Fixed
[scalable/apps]
Size=256
MinSize=64
MaxSize=256
Type=Scalable
[16x16/apps]
Size=16
Type=Fixed
[26x26/apps]
Size=26
Type=Fixed
# Threshold, the type taken when none is given
[22x22/apps]
Size=22
[16x16@2/apps]
Size=16
Scale=2
Type=Fixed
)";

QByteArray index(const QByteArray& inherits)
{
    return "[Icon Theme]\nInherits=" + inherits +
           "\nDirectories=16x16/apps\n\n[16x16/apps]\nSize=16\nType=Fixed\n";
}

} // namespace

class TestIconTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void themeChain_data();
    void themeChain();
    void picksBestFile_data();
    void picksBestFile();
    void listsEachNameOnce_data();
    void listsEachNameOnce();

private:
    void write(const QString& path, const QByteArray& content = "x");
    QStringList searchPaths() const;

    QTemporaryDir m_root;
};

void TestIconTheme::write(const QString& path, const QByteArray& content)
{
    const QString full = m_root.filePath(path);
    QVERIFY(QDir().mkpath(QFileInfo(full).path()));
    QFile file(full);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QStringList TestIconTheme::searchPaths() const
{
    return {m_root.filePath("a"), m_root.filePath("missing"), m_root.filePath("b")};
}

void TestIconTheme::initTestCase()
{
    QVERIFY(m_root.isValid());
    write("a/main/index.theme", mainIndex);
    for (const char* file : {"everywhere.png", "sized.png", "vector.png", "both.svg", "both.png",
                             "notes.txt", ".png", "shouted.PNG"})
        write(QStringLiteral("a/main/16x16/apps/") + file);
    for (const char* path :
         {"a/main/32x32/apps/sized.png", "a/main/32x32/apps/scaled.png",
          "a/main/scalable/apps/vector.svg", "a/main/26x26/apps/threshold.png",
          "a/main/22x22/apps/threshold.png", "a/main/16x16@2/apps/scaled.png",
          "a/main/16x16@2/apps/hidpi.png", "b/main/16x16/apps/spread.png",
          "a/parent/16x16/apps/everywhere.png", "a/parent/16x16/apps/parent-only.png",
          "a/hicolor/16x16/apps/hicolor-only.png", "a/broken/16x16/apps/sizeless.png"})
        write(path);
    write("a/parent/index.theme", index("grandparent"));
    write("a/grandparent/index.theme", index(""));
    write("a/other/index.theme", index(""));
    write("a/hicolor/index.theme", index(""));
    write("a/loop1/index.theme", index("loop2"));
    write("a/loop2/index.theme", index("loop1,loop2"));
    write("a/broken/index.theme", "\x01garbage\n[Icon Theme\nInherits=loop1\n[Icon Theme]\n"
                                  "Directories=gone,,16x16/apps\n[16x16/apps]\nSize=sixteen\n");
}

void TestIconTheme::themeChain_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QStringList>("chain");

    QTest::newRow("inherited depth first, hicolor last")
        << "main" << QStringList{"main", "parent", "grandparent", "other", "hicolor"};
    QTest::newRow("inheritance loop lists each theme once")
        << "loop1" << QStringList{"loop1", "loop2", "hicolor"};
    QTest::newRow("missing theme leaves hicolor only") << "absent" << QStringList{"hicolor"};
    QTest::newRow("malformed index still names a theme")
        << "broken" << QStringList{"broken", "hicolor"};
}

void TestIconTheme::themeChain()
{
    QFETCH(QString, theme);
    QFETCH(QStringList, chain);
    QCOMPARE(IconTheme(searchPaths(), theme).themeChain(), chain);
}

void TestIconTheme::picksBestFile_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("path");

    QTest::newRow("theme's own beats inherited") << 16 << "a/main/16x16/apps/everywhere.png";
    QTest::newRow("only in inherited theme") << 16 << "a/parent/16x16/apps/parent-only.png";
    QTest::newRow("only in hicolor") << 16 << "a/hicolor/16x16/apps/hicolor-only.png";
    QTest::newRow("exact 16 beats 32 listed first") << 16 << "a/main/16x16/apps/sized.png";
    QTest::newRow("exact 32") << 32 << "a/main/32x32/apps/sized.png";
    QTest::newRow("closer fixed beats one listed first") << 20 << "a/main/16x16/apps/sized.png";
    QTest::newRow("scalable where no fixed fits") << 64 << "a/main/scalable/apps/vector.svg";
    QTest::newRow("fixed beats scalable out of range") << 16 << "a/main/16x16/apps/vector.png";
    QTest::newRow("threshold reaches what fixed misses") << 24 << "a/main/22x22/apps/threshold.png";
    QTest::newRow("png before svg in one folder") << 16 << "a/main/16x16/apps/both.png";
    QTest::newRow("unscaled farther beats scaled exact") << 16 << "a/main/32x32/apps/scaled.png";
    QTest::newRow("scaled directory searched") << 16 << "a/main/16x16@2/apps/hidpi.png";
    QTest::newRow("theme spread over second path") << 16 << "b/main/16x16/apps/spread.png";
}

void TestIconTheme::picksBestFile()
{
    QFETCH(int, size);
    QFETCH(QString, path);
    const ThemeIcon icon{QFileInfo(path).completeBaseName(), m_root.filePath(path)};
    QVERIFY(IconTheme(searchPaths(), "main").icons(size).contains(icon));
}

void TestIconTheme::listsEachNameOnce_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("sorted, pictures only")
        << "main" << QStringList{"both",   "everywhere", "hicolor-only", "hidpi",     "parent-only",
                                 "scaled", "sized",      "spread",       "threshold", "vector"};
    QTest::newRow("sizeless directory skipped") << "broken" << QStringList{"hicolor-only"};
    QTest::newRow("missing theme gives hicolor's") << "absent" << QStringList{"hicolor-only"};
}

void TestIconTheme::listsEachNameOnce()
{
    QFETCH(QString, theme);
    QFETCH(QStringList, names);
    QStringList listed;
    for (const ThemeIcon& icon : IconTheme(searchPaths(), theme).icons(16))
        listed.append(icon.name);
    QCOMPARE(listed, names);
}

QTEST_GUILESS_MAIN(TestIconTheme)
#include "tst_IconTheme.moc"
