#include "app/Application.h"

#include "common/Glyphs.h"
#include "platform/PlacementStore.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString translatorName = QStringLiteral("halvex-config translator");

// The user's languages in order of preference, up to English, in which the program's texts are
// written: a translation after it is never wanted.
QStringList wantedLanguages(const QLocale& locale)
{
    QStringList wanted;
    for (const QString& name : locale.uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English || language == QLocale::C)
            break;
        wanted.append(name);
    }
    return wanted;
}

bool installTranslator(QCoreApplication& application, const QLocale& language,
                       const QString& fileName, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    translator->setObjectName(translatorName);
    if (translator->load(language, fileName, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void installTranslators(QCoreApplication& application, const QLocale& locale)
{
    // A deleted translator removes itself from the application.
    qDeleteAll(application.findChildren<QTranslator*>(translatorName, Qt::FindDirectChildrenOnly));
    for (const QString& name : wantedLanguages(locale)) {
        const QLocale language(name);
        if (installTranslator(application, language, QStringLiteral("halvex-config"),
                              QStringLiteral(":/i18n"))) {
            installTranslator(application, language, QStringLiteral("qtbase"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

void setUpCommandLine(QCoreApplication& application)
{
    // Untranslated here, since every placement key holds it; message boxes show its translation.
    QCoreApplication::setApplicationName(
        QString::fromUtf8(QT_TRANSLATE_NOOP("Application", "Tarvel Halvex configuration")));
    QCoreApplication::setOrganizationName(QStringLiteral("TarvelSoftware"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HALVEX_VERSION));
    // The command line needs the file of window positions too, to keep it apart from the host's.
    PlacementStore::setUseApplicationTitle(true);
    PlacementStore::setCompanyName(QStringLiteral("TarvelSoftware"));
    installTranslators(application);
}

void setUpApplication(QApplication& application)
{
    setUpCommandLine(application);
    QApplication::setWindowIcon(programIcon());
    // Wayland desktops take the window's icon from the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("halvex-config"));
    application.setQuitOnLastWindowClosed(true);
}
