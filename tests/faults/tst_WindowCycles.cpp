#include "app/DemoProfile.h"
#include "app/StartWindowUnit.h"
#include "common/Form.h"
#include "maintenance/AboutWindowUnit.h"
#include "maintenance/AdditionalFunctionsWindowUnit.h"
#include "maintenance/DefaultLines.h"
#include "mime/MIMETypePropertiesWindowUnit.h"
#include "mime/MIMETypesEditorUnit.h"
#include "procedures/CstProcProprtiesUnit.h"
#include "procedures/StdProcsPanelEditorWindowUnit.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "toolbar/CategoryProperiesWindowUnit.h"
#include "toolbar/HTMLToolbarEditorWindowUnit.h"
#include "toolbar/ImageList.h"
#include "toolbar/TagPropertiesWindowUnit.h"
#include "toolbar/UpdateGlyphsWindowUnit.h"
#include "toolbar/ViewImageWindowUnit.h"

#include <functional>

// Opens and closes every window many times. Under LeakSanitizer (the sanitizer build of the
// suite) anything a window fails to release is reported when the test ends.
class TestWindowCycles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyWindowOpensAndClosesCleanly_data();
    void everyWindowOpensAndClosesCleanly();

private:
    std::unique_ptr<TestProfile> m_profile;
    FakeOptions m_options;
    ImageList m_images;
};

void TestWindowCycles::initTestCase()
{
    m_profile = std::make_unique<TestProfile>();
    writeDemoProfile(m_profile->folder());
    const QString host = m_profile->folder() + QStringLiteral("/Tarvel Halvex/");
    m_options.values = {{Opt_HTMLToolbarCFG, host + QStringLiteral("HTMLToolbar.cfg")},
                        {Opt_HTMLToolbarGlyphs, host + QStringLiteral("HTMLToolbar.bmp")},
                        {Opt_MIMEPraserCFG, host + QStringLiteral("MIMETypes.cfg")},
                        {Opt_AppPath, host}};
    m_images.addStrip(drawDemoStrip());
    // Every window shown here is closed at once by its cancel path.
    Modal::setHook([](QDialog& window) { window.reject(); });
}

void TestWindowCycles::cleanupTestCase()
{
    Modal::setHook({});
    m_profile.reset();
}

void TestWindowCycles::everyWindowOpensAndClosesCleanly_data()
{
    QTest::addColumn<int>("window");
    const char* names[] = {"start window",         "toolbar editor",       "tag properties",
                           "category properties",  "update images",        "view image",
                           "procedures editor",    "procedure properties", "MIME types editor",
                           "MIME type properties", "additional",           "about"};
    for (int i = 0; i < int(std::size(names)); ++i)
        QTest::newRow(names[i]) << i;
}

void TestWindowCycles::everyWindowOpensAndClosesCleanly()
{
    QFETCH(int, window);
    const std::function<void()> cycles[] = {
        [] {
            TStartWindow w;
            w.Create();
            w.show();
            w.close();
        },
        [&] { showModalWindow<THTMLToolbarEditorWindow>(nullptr, m_options); },
        [&] { showModalWindow<TTagPropertiesWindow>(nullptr, m_images); },
        [&] { showModalWindow<TCategoryProperiesWindow>(nullptr, m_images); },
        [] { showModalWindow<TUpdateGlyphsWindow>(nullptr); },
        [&] { ShowImage(nullptr, m_options.values[Opt_HTMLToolbarGlyphs]); },
        [&] { showModalWindow<TStdProcsPanelEditorWindow>(nullptr, m_options); },
        [] {
            showModalWindow<TCstProcProprtiesWindow>(nullptr, QStringLiteral("c"),
                                                     QStringLiteral("x"));
        },
        [&] { showModalWindow<TMIMETypesEditor>(nullptr, m_options); },
        [] { showModalWindow<TMIMETypePropertiesWindow>(nullptr); },
        [&] { showModalWindow<TAdditionalFunctionsWindow>(nullptr, m_options); },
        [] { showModalWindow<TAboutWindow>(nullptr); },
    };
    for (int i = 0; i < 40; ++i)
        cycles[window]();
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

HALVEX_TEST_MAIN(TestWindowCycles)
#include "tst_WindowCycles.moc"
