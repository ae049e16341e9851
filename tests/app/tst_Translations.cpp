#include "support/CommandLineRun.h"
#include "support/Controls.h"
#include "support/EveryWindow.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "tools/DemoProfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

// The German translation: complete, shown in every window, and without effect on the files.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyEntryIsTranslated();
    void everyWindowInGerman_data();
    void everyWindowInGerman();
    void qtButtonsAreGerman();
    void commandLine_data();
    void commandLine();
};

namespace {

struct Entry
{
    QString source;
    QString translation;
    QString type;
};

QList<Entry> tsEntries()
{
    QFile file(QStringLiteral(HALVEX_TS_FILE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", HALVEX_TS_FILE);
    QList<Entry> entries;
    QXmlStreamReader xml(&file);
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message") {
            entries.append(Entry());
            numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            entries.last().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            entries.last().type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!numerus)
                entries.last().translation = xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            // Each plural form is an entry of its own, checked as the others are.
            if (!entries.last().translation.isEmpty())
                entries.append(Entry{entries.last().source, {}, entries.last().type});
            entries.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", HALVEX_TS_FILE, qPrintable(xml.errorString()));
    return entries;
}

// What a translation must keep of its source: placeholders and line breaks.
QString skeleton(const QString& text)
{
    static const QRegularExpression kept(QStringLiteral("%\\d|\\n"));
    QStringList found;
    for (const QRegularExpressionMatch& match : kept.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found.join(QString());
}

// Every text a person reads on the window: titles, labels, buttons, tooltips, menu entries.
QStringList shownTexts(QWidget& window)
{
    QObjectList objects = window.findChildren<QObject*>();
    objects.prepend(&window);
    QStringList texts;
    for (const QObject* object : std::as_const(objects))
        for (const char* property : {"windowTitle", "text", "title", "toolTip"})
            texts.append(object->property(property).toString());
    return texts;
}

void speakGerman()
{
    installTranslators(*QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Germany));
}

struct Run
{
    QString out;
    QMap<QString, QByteArray> files; // every file under the profile, by its path there
};

Run runProgram(const QStringList& arguments, const QString& language)
{
    TestProfile profile;
    writeDemoProfile(profile.folder());
    Run run{runCommandLine(arguments, profile.folder() + "/config", language).out, {}};
    const QDir folder(profile.folder());
    // The settings name the profile's folder, which differs from one run to the next.
    const QByteArray where = QFile::encodeName(profile.folder());
    for (QDirIterator file(profile.folder(), QDir::Files, QDirIterator::Subdirectories);
         file.hasNext();) {
        const QString path = file.next();
        run.files.insert(folder.relativeFilePath(path), fileBytes(path).replace(where, "<p>"));
    }
    return run;
}

} // namespace

void TestTranslations::cleanup()
{
    installTranslators(*QCoreApplication::instance(), QLocale(QLocale::English));
}

// An unfinished, empty or vanished entry leaves English in German windows, or stale texts; a
// translation that drops a placeholder or a line break loses a file name or the layout.
void TestTranslations::everyEntryIsTranslated()
{
    const QList<Entry> entries = tsEntries();
    QVERIFY(entries.size() > 100);
    QStringList faults;
    for (const Entry& entry : entries) {
        if (!entry.type.isEmpty() || entry.translation.isEmpty())
            faults.append(entry.type + QStringLiteral(" or empty: ") + entry.source);
        else if (skeleton(entry.translation) != skeleton(entry.source))
            faults.append(QStringLiteral("placeholders or line breaks differ: ") + entry.source);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::everyWindowInGerman_data()
{
    addEveryWindowRows();
}

// A text left out of tr(), or a window that was not retranslated, still shows English: none
// of its texts may be the English of an entry whose German differs. German is longer than
// English: a window grows where it needs to, and no text may be cut off.
void TestTranslations::everyWindowInGerman()
{
    QFETCH(QString, window);
    QSet<QString> english;
    for (const Entry& entry : tsEntries())
        if (entry.translation != entry.source)
            english.insert(entry.source);
    speakGerman();
    DemoHost host;
    const std::unique_ptr<QDialog> form = makeWindow(window, host);
    QVERIFY(form);
    QStringList left;
    for (const QString& text : shownTexts(*form))
        if (english.contains(text))
            left.append(text);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    form->show(); // lays the window out
    QStringList cut;
    for (const QWidget* widget : form->findChildren<QWidget*>())
        if (widget->isVisible() && !cutCaption(*widget).isEmpty())
            cut.append(cutCaption(*widget));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

// Qt's own texts come from Qt's translation, which the program installs beside its own.
void TestTranslations::qtButtonsAreGerman()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        QSKIP("Qt's German translation is not installed");
    speakGerman();
    QMessageBox box(QMessageBox::Warning, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(u'&'), QStringLiteral("Abbrechen"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Nein"));
}

void TestTranslations::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("german"); // a text of the German output
    QTest::newRow("help") << QStringList{"--help"}
                          << "Bearbeitet die Konfigurationsdateien des Skripteditors";
    QTest::newRow("reset all") << QStringList{"--reset", "all"}
                               << "auf den eingebauten Inhalt zurückgesetzt";
}

// The program speaks German under LANGUAGE=de, and still writes the host's files, names and
// settings byte for byte as in English.
void TestTranslations::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, german);
    const Run english = runProgram(arguments, QString());
    const Run translated = runProgram(arguments, QStringLiteral("de"));
    QVERIFY2(translated.out.contains(german), qPrintable(translated.out));
    QVERIFY2(!english.out.contains(german), qPrintable(english.out));
    QVERIFY(!english.files.isEmpty());
    QCOMPARE(translated.files.keys(), english.files.keys());
    for (auto file = english.files.cbegin(); file != english.files.cend(); ++file)
        QVERIFY2(translated.files.value(file.key()) == file.value(), qPrintable(file.key()));
}

HALVEX_TEST_MAIN(TestTranslations)
#include "tst_Translations.moc"
