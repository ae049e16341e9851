// halvex-open-limited EDITOR MIB: opens the toolbar, procedures or MIME types editor of the host
// profile in XDG_CONFIG_HOME with its address space limited to MIB MiB (0: no limit), presses
// OK once and then Cancel. It prints each message box ("box: ..."), answering No to questions,
// and the rows the editor showed ("rows: N"), so that the memory test can tell what happened.

#include "app/Application.h"
#include "app/HostSettings.h"
#include "common/Modal.h"
#include "mime/MimeTypesEditor.h"
#include "procedures/ProceduresEditor.h"
#include "support/Controls.h"
#include "toolbar/ToolbarEditor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <sys/resource.h>

namespace {

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
    say(QStringLiteral("rows: %1").arg(items->model()->rowCount()));
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
    if (argc != 3)
        return 2;
    const QByteArray editor = argv[1];
    if (const rlim_t mib = std::strtoul(argv[2], nullptr, 10)) {
        const rlimit limit{mib << 20, mib << 20};
        setrlimit(RLIMIT_AS, &limit);
    }
    QApplication application(argc, argv);
    setUpApplication(application);
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
