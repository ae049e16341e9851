#include "app/HostSettings.h"
#include "maintenance/DefaultLines.h"
#include "platform/WholeFile.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "tools/DemoProfile.h"

#include <QImage>
#include <QSet>

class TestDemoProfile : public QObject
{
    Q_OBJECT

private slots:
    void settingsPointAtReadyFiles();
    void existingFilesAreKept();
};

void TestDemoProfile::settingsPointAtReadyFiles()
{
    TestProfile profile;
    writeDemoProfile(profile.folder());
    HostSettings settings;
    settings.open();
    QCOMPARE(splitLines(WholeFile::read(settings.readString(Opt_HTMLToolbarCFG))).lines,
             defaultHTMLToolbarLines());
    QCOMPARE(splitLines(WholeFile::read(hostFilePath(HostFile::Procedures, settings))).lines,
             defaultCstProcsLines());
    QCOMPARE(splitLines(WholeFile::read(settings.readString(Opt_MIMEPraserCFG))).lines,
             defaultMIMETypesLines());
    const QImage strip(settings.readString(Opt_HTMLToolbarGlyphs));
    QCOMPARE(strip.size(), QSize(192, 16));
    // Every image is drawn: none is left plain background.
    for (int i = 0; i < 12; ++i) {
        const QImage image = strip.copy(16 * i, 0, 16, 16);
        QSet<QRgb> colours;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 1, qPrintable(QString::number(i)));
    }
}

void TestDemoProfile::existingFilesAreKept()
{
    TestProfile profile;
    writeDemoProfile(profile.folder());
    HostSettings settings;
    const QString toolbar = settings.readString(Opt_HTMLToolbarCFG);
    writeBytes(toolbar, "2:0:Mine\r\n");
    writeDemoProfile(profile.folder());
    QCOMPARE(fileBytes(toolbar), QByteArray("2:0:Mine\r\n"));
}

HALVEX_TEST_MAIN(TestDemoProfile)
#include "tst_DemoProfile.moc"
