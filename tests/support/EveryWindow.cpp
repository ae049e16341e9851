#include "support/EveryWindow.h"

#include "app/DemoProfile.h"
#include "app/StartWindowUnit.h"
#include "maintenance/AboutWindowUnit.h"
#include "maintenance/AdditionalFunctionsWindowUnit.h"
#include "mime/MimeTypePropertiesWindowUnit.h"
#include "mime/MimeTypesEditorWindowUnit.h"
#include "procedures/ProcedurePropertiesWindowUnit.h"
#include "procedures/ProceduresEditorWindowUnit.h"
#include "toolbar/CategoryPropertiesWindowUnit.h"
#include "toolbar/TagPropertiesWindowUnit.h"
#include "toolbar/ToolbarEditorWindowUnit.h"
#include "toolbar/UpdateImagesWindowUnit.h"
#include "toolbar/ViewImageWindowUnit.h"

#include <QTest>

#include <functional>

DemoHost::DemoHost()
{
    writeDemoProfile(profile.folder());
    const QString files = profile.folder() + QStringLiteral("/Tarvel Halvex/");
    options.values[Opt_HTMLToolbarCFG] = files + QStringLiteral("HTMLToolbar.cfg");
    options.values[Opt_HTMLToolbarGlyphs] = files + QStringLiteral("HTMLToolbar.bmp");
    options.values[Opt_MIMEPraserCFG] = files + QStringLiteral("MIMETypes.cfg");
    options.values[Opt_AppPath] = files;
    images.addStrip(drawDemoStrip());
}

const QStringList everyWindow = {"TStartWindow",
                                 "THTMLToolbarEditorWindow",
                                 "TTagPropertiesWindow",
                                 "TCategoryProperiesWindow",
                                 "TUpdateGlyphsWindow",
                                 "TViewImageWindow",
                                 "TStdProcsPanelEditorWindow",
                                 "TCstProcProprtiesWindow",
                                 "TMIMETypesEditor",
                                 "TMIMETypePropertiesWindow",
                                 "TAdditionalFunctionsWindow",
                                 "TAboutWindow"};

std::unique_ptr<Form> makeWindow(const QString& name, DemoHost& host)
{
    using Make = std::function<std::unique_ptr<Form>()>;
    const QMap<QString, Make> makers = {
        {"TStartWindow", [] { return std::make_unique<StartWindow>(); }},
        {"THTMLToolbarEditorWindow",
         [&] { return std::make_unique<ToolbarEditorWindow>(nullptr, host.options); }},
        {"TTagPropertiesWindow",
         [&] { return std::make_unique<TagPropertiesWindow>(nullptr, host.images); }},
        {"TCategoryProperiesWindow",
         [&] { return std::make_unique<CategoryPropertiesWindow>(nullptr, host.images); }},
        {"TUpdateGlyphsWindow", [] { return std::make_unique<UpdateImagesWindow>(nullptr); }},
        {"TViewImageWindow", [] { return std::make_unique<ViewImageWindow>(nullptr); }},
        {"TStdProcsPanelEditorWindow",
         [&] { return std::make_unique<ProceduresEditorWindow>(nullptr, host.options); }},
        {"TCstProcProprtiesWindow",
         [] { return std::make_unique<ProcedurePropertiesWindow>(nullptr, QString(), QString()); }},
        {"TMIMETypesEditor",
         [&] { return std::make_unique<MimeTypesEditorWindow>(nullptr, host.options); }},
        {"TMIMETypePropertiesWindow",
         [] { return std::make_unique<MimeTypePropertiesWindow>(nullptr); }},
        {"TAdditionalFunctionsWindow",
         [&] { return std::make_unique<AdditionalFunctionsWindow>(nullptr, host.options); }},
        {"TAboutWindow", [] { return std::make_unique<AboutWindow>(nullptr); }},
    };
    const auto make = makers.constFind(name);
    if (make == makers.constEnd())
        return nullptr;
    std::unique_ptr<Form> window = (*make)();
    window->runCreateHandler();
    return window;
}

void addEveryWindowRows()
{
    QTest::addColumn<QString>("window");
    for (const QString& window : everyWindow)
        QTest::newRow(qPrintable(window)) << window;
}
