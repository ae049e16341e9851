// halvex-open-limited EDITOR MIB [PASTE]: opens the toolbar, procedures or MIME types editor of
// the host profile in XDG_CONFIG_HOME with its address space limited to MIB MiB (0: no limit),
// pastes PASTE MiB of the MIME types file's lines if asked, presses OK once and then Cancel. It
// prints each message box ("box: ..."), answering No to questions, the rows the editor showed
// ("rows: N") and the steps it can undo ("steps: N"), so that the memory test can tell what
// happened.

#include "app/Application.h"
#include "app/HostSettings.h"
#include "common/EditorWindow.h"
#include "common/ErrorGuard.h"
#include "common/Modal.h"
#include "mime/MimeTypesEditor.h"
#include "procedures/ProceduresEditor.h"
#include "support/Controls.h"
#include "support/TestMain.h"
#include "toolbar/ToolbarEditor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

qsizetype pasteMiB = 0;

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void answer(QDialog& window)
{
    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        say(QStringLiteral("box: ") + box->text().simplified());
        box->button(QMessageBox::No) ? box->button(QMessageBox::No)->click() : box->accept();
        return;
    }
    const auto* items = window.findChild<QAbstractItemView*>();
    auto& editor = static_cast<EditorWindow&>(window);
    if (pasteMiB > 0) {
        QGuiApplication::clipboard()->setText(
            QStringLiteral("A/B\n.b\n").repeated((pasteMiB << 20) / 7));
        editor.paste();
        QGuiApplication::clipboard()->clear();
    }
    say(QStringLiteral("rows: %1").arg(items->model()->rowCount()));
    say(QStringLiteral("steps: %1").arg(editor.undoStack()->count()));
    clickOk(window);
    if (window.isVisible())
        clickCancel(window);
}

template <class Editor> void openEditor(HostSettings& settings)
{
    Editor editor(nullptr, settings);
    Modal::exec(editor);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 4)
        return 2;
    if (argc == 4)
        pasteMiB = std::strtol(argv[3], nullptr, 10);
    const QByteArray editor = argv[1];
    if (const rlim_t mib = std::strtoul(argv[2], nullptr, 10)) {
        const rlimit limit{mib << 20, mib << 20};
        setrlimit(RLIMIT_AS, &limit);
    }
    GuardedApplication application(argc, argv);
    setUpApplication(application);
    useDesignedFont();
    HostSettings settings;
    settings.open();
    Modal::setHook(answer);
    if (editor == "toolbar")
        openEditor<ToolbarEditor>(settings);
    else if (editor == "procedures")
        openEditor<ProceduresEditor>(settings);
    else
        openEditor<MimeTypesEditor>(settings);
    say(QStringLiteral("closed"));
    return 0;
}
