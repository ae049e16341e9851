// halvex-save-loop: opens the MIME types editor of the host profile in XDG_CONFIG_HOME again
// and again, each time adding the row "X/KILL" or removing it again, and pressing OK; prints
// "saving" when it presses OK and "saved" once the editor closed. The crash test kills it at random
// moments.

#include "app/Application.h"
#include "app/HostSettings.h"
#include "common/ErrorGuard.h"
#include "common/Modal.h"
#include "mime/MimeTypeDialog.h"
#include "mime/MimeTypesEditor.h"
#include "support/Controls.h"
#include "support/TestMain.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include <cstdio>

namespace {

const QString killRow = QStringLiteral("X/KILL");

void toggleLastRowThenOk(QDialog& editor)
{
    auto* view = control<QTableView>(editor, "itemsView");
    const int rows = view->model()->rowCount();
    if (rows > 0 && view->model()->index(rows - 1, 0).data().toString() == killRow) {
        view->selectRow(rows - 1);
        click(editor, "removeButton");
    } else {
        click(editor, "newTypeButton");
    }
    std::printf("saving\n");
    std::fflush(stdout);
    clickOk(editor);
}

void answer(QDialog& window)
{
    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes)->click() : box->reject();
    } else if (qobject_cast<MimeTypeDialog*>(&window)) {
        control<QLineEdit>(window, "mimeTypeEdit")->setText(killRow);
        control<QLineEdit>(window, "suffixEdit")->setText(QStringLiteral(".kill"));
        clickOk(window);
    } else {
        toggleLastRowThenOk(window);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    GuardedApplication application(argc, argv);
    setUpApplication(application);
    useDesignedFont();
    HostSettings settings;
    settings.open();
    Modal::setHook(answer);
    for (;;) {
        MimeTypesEditor editor(nullptr, settings);
        if (Modal::exec(editor) != QDialog::Accepted)
            return 1;
        std::printf("saved\n");
        std::fflush(stdout);
    }
}
