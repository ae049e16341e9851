#include "app/DemoProfile.h"
#include "app/StartWindowUnit.h"
#include "common/Form.h"
#include "maintenance/AboutWindowUnit.h"
#include "maintenance/AdditionalFunctionsWindowUnit.h"
#include "maintenance/DefaultLines.h"
#include "mime/MimeTypePropertiesWindowUnit.h"
#include "mime/MimeTypesEditorWindowUnit.h"
#include "procedures/ProcedurePropertiesWindowUnit.h"
#include "procedures/ProceduresEditorWindowUnit.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "toolbar/CategoryPropertiesWindowUnit.h"
#include "toolbar/ToolbarEditorWindowUnit.h"
#include "toolbar/ImageList.h"
#include "toolbar/TagPropertiesWindowUnit.h"
#include "toolbar/UpdateImagesWindowUnit.h"
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
            StartWindow w;
            w.create();
            w.show();
            w.close();
        },
        [&] { showModalWindow<ToolbarEditorWindow>(nullptr, m_options); },
        [&] { showModalWindow<TagPropertiesWindow>(nullptr, m_images); },
        [&] { showModalWindow<CategoryPropertiesWindow>(nullptr, m_images); },
        [] { showModalWindow<UpdateImagesWindow>(nullptr); },
        [&] { showImage(nullptr, m_options.values[Opt_HTMLToolbarGlyphs]); },
        [&] { showModalWindow<ProceduresEditorWindow>(nullptr, m_options); },
        [] {
            showModalWindow<ProcedurePropertiesWindow>(nullptr, QStringLiteral("c"),
                                                     QStringLiteral("x"));
        },
        [&] { showModalWindow<MimeTypesEditorWindow>(nullptr, m_options); },
        [] { showModalWindow<MimeTypePropertiesWindow>(nullptr); },
        [&] { showModalWindow<AdditionalFunctionsWindow>(nullptr, m_options); },
        [] { showModalWindow<AboutWindow>(nullptr); },
    };
    for (int i = 0; i < 40; ++i)
        cycles[window]();
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

HALVEX_TEST_MAIN(TestWindowCycles)
#include "tst_WindowCycles.moc"
