#include "support/EveryWindow.h"

#include "app/StartWindow.h"
#include "maintenance/AboutDialog.h"
#include "maintenance/AdditionalFunctionsDialog.h"
#include "mime/MimeTypeDialog.h"
#include "mime/MimeTypesEditor.h"
#include "procedures/ProcedureDialog.h"
#include "procedures/ProceduresEditor.h"
#include "toolbar/AddImagesDialog.h"
#include "toolbar/CategoryDialog.h"
#include "toolbar/ImagePicker.h"
#include "toolbar/ImageViewer.h"
#include "toolbar/TagDialog.h"
#include "toolbar/ToolbarEditor.h"
#include "toolbar/UpdateImagesPrompt.h"
#include "tools/DemoProfile.h"

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

const QStringList everyWindow = {"StartWindow",
                                 "ToolbarEditor",
                                 "TagDialog",
                                 "CategoryDialog",
                                 "UpdateImagesPrompt",
                                 "ImageViewer",
                                 "ProceduresEditor",
                                 "ProcedureDialog",
                                 "MimeTypesEditor",
                                 "MimeTypeDialog",
                                 "AdditionalFunctionsDialog",
                                 "AboutDialog",
                                 "ImagePicker",
                                 "AddImagesDialog"};

std::unique_ptr<QDialog> makeWindow(const QString& name, DemoHost& host)
{
    using Make = std::function<std::unique_ptr<QDialog>()>;
    const QMap<QString, Make> makers = {
        {"StartWindow", [] { return std::make_unique<StartWindow>(); }},
        {"ToolbarEditor", [&] { return std::make_unique<ToolbarEditor>(nullptr, host.options); }},
        {"TagDialog",
         [&] { return std::make_unique<TagDialog>(nullptr, ToolbarTag(), host.images); }},
        {"CategoryDialog",
         [&] { return std::make_unique<CategoryDialog>(nullptr, ToolbarCategory(), host.images); }},
        {"UpdateImagesPrompt", [] { return std::make_unique<UpdateImagesPrompt>(nullptr); }},
        {"ImageViewer",
         [] { return std::make_unique<ImageViewer>(nullptr, drawDemoStrip()); }},
        {"ProceduresEditor",
         [&] { return std::make_unique<ProceduresEditor>(nullptr, host.options); }},
        {"ProcedureDialog", [] { return std::make_unique<ProcedureDialog>(nullptr, Procedure()); }},
        {"MimeTypesEditor",
         [&] { return std::make_unique<MimeTypesEditor>(nullptr, host.options); }},
        {"MimeTypeDialog", [] { return std::make_unique<MimeTypeDialog>(nullptr, MimeType()); }},
        {"AdditionalFunctionsDialog",
         [&] { return std::make_unique<AdditionalFunctionsDialog>(nullptr, host.options); }},
        {"AboutDialog", [] { return std::make_unique<AboutDialog>(nullptr); }},
        {"ImagePicker", [&] { return std::make_unique<ImagePicker>(nullptr, host.images, 0); }},
        {"AddImagesDialog",
         [] { return std::make_unique<AddImagesDialog>(nullptr, QColor(0xf4, 0xf4, 0xf0)); }},
    };
    const auto make = makers.constFind(name);
    return make == makers.constEnd() ? nullptr : (*make)();
}

void addEveryWindowRows()
{
    QTest::addColumn<QString>("window");
    for (const QString& window : everyWindow)
        QTest::newRow(qPrintable(window)) << window;
}
