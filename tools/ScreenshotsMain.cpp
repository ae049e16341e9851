#include "app/Application.h"
#include "app/StartWindow.h"
#include "common/EditorWindow.h"
#include "common/ErrorGuard.h"
#include "common/Modal.h"
#include "common/WindowSizing.h"
#include "platform/AppError.h"
#include "toolbar/UpdateImagesPrompt.h"
#include "tools/DemoProfile.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdio>
#include <deque>
#include <functional>

namespace {

// Walks through the windows as a person would, by their own buttons: each modal window, when it
// shows, is handed to the next visit in the queue, which pictures it and opens what it opens.
// A visit runs inside the window's modal loop, so it notes a problem instead of throwing.
class Tour
{
public:
    using Visit = std::function<void(QDialog&)>;

    explicit Tour(const QString& folder) : m_folder(folder)
    {
        Modal::setHook([this](QDialog& window) { arrive(window); });
        Modal::setMenuHook([this](QMenu& menu, const QPoint& at) { return pictureMenu(menu, at); });
    }
    ~Tour()
    {
        Modal::setHook({});
        Modal::setMenuHook({});
    }

    // The next window that opens gets this visit.
    void then(Visit visit) { m_visits.push_back(std::move(visit)); }

    void picture(QWidget& window, const char* name)
    {
        settle(window);
        save(window.grab(), name);
    }

    // The next context menu is pictured over its window, as it shows there, and then closed.
    void pictureNextMenu(QWidget& window, const char* name)
    {
        m_menuWindow = &window;
        m_menuPicture = name;
    }

    template <class Widget> Widget* control(QWidget& window, const char* name)
    {
        auto* found = window.findChild<Widget*>(QLatin1String(name));
        if (!found)
            m_problems.append(
                QStringLiteral("No control %1 in %2.").arg(name, window.objectName()));
        return found;
    }

    void click(QWidget& window, const char* button)
    {
        if (auto* found = control<QPushButton>(window, button))
            found->click();
    }

    // Opens the top-level node at row, selects its child whose text begins with the prefix, and
    // gives the tree the focus.
    void select(QTreeView& tree, int row, const QString& prefix)
    {
        const QAbstractItemModel& model = *tree.model();
        const QModelIndex parent = model.index(row, 0);
        tree.expand(parent);
        for (int i = 0; i < model.rowCount(parent); ++i) {
            const QModelIndex child = model.index(i, 0, parent);
            if (child.data().toString().startsWith(prefix)) {
                tree.setCurrentIndex(child);
                tree.setFocus();
                return;
            }
        }
        m_problems.append(QStringLiteral("No node \"%1\" in %2.").arg(prefix, tree.objectName()));
    }

    // What went wrong, with the names of the pictures missing from the expected ones.
    QStringList problems(const QStringList& expected) const
    {
        QStringList all = m_problems;
        for (const QString& name : expected) {
            if (!QFileInfo::exists(m_folder + QLatin1Char('/') + name + QStringLiteral(".png")))
                all.append(QStringLiteral("No picture of %1.").arg(name));
        }
        return all;
    }

private:
    void save(const QPixmap& picture, const char* name)
    {
        const QString path = m_folder + QLatin1Char('/') + QLatin1String(name) + ".png";
        if (picture.save(path))
            std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
        else
            m_problems.append(QStringLiteral("Cannot write \"%1\".").arg(path));
    }

    QAction* pictureMenu(QMenu& menu, const QPoint& at)
    {
        if (!m_menuWindow) {
            m_problems.append(QStringLiteral("Unexpected menu."));
            return nullptr;
        }
        QWidget& window = *m_menuWindow;
        settle(window);
        const QPixmap under = window.grab();
        menu.popup(at);
        QCoreApplication::processEvents();
        const QPixmap over = menu.grab();
        // The menu may reach past the window: the picture takes in both.
        const qreal ratio = under.devicePixelRatio();
        const QPoint menuAt = window.mapFromGlobal(at);
        const QRect both =
            window.rect().united(QRect(menuAt, over.deviceIndependentSize().toSize()));
        QPixmap shot(both.size() * ratio);
        shot.setDevicePixelRatio(ratio);
        shot.fill(Qt::transparent);
        QPainter painter(&shot);
        painter.drawPixmap(QPoint(0, 0), under);
        painter.drawPixmap(menuAt, over);
        painter.end();
        menu.hide();
        save(shot, m_menuPicture);
        m_menuWindow = nullptr;
        return nullptr;
    }

    void arrive(QDialog& window)
    {
        if (!m_visits.empty()) {
            const Visit visit = std::move(m_visits.front());
            m_visits.pop_front();
            visit(window);
        } else {
            m_problems.append(QStringLiteral("Unexpected window %1.").arg(window.objectName()));
        }
        if (window.isVisible())
            window.reject();
    }

    // Pictured once it has the focus, as a person sees it; the offscreen platform has no window
    // manager that hands the focus back when a dialog closes, so the tour asks for it.
    static void settle(QWidget& window)
    {
        window.activateWindow();
        const QDeadlineTimer deadline(2000);
        while (QApplication::activeWindow() != &window && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::processEvents();
    }

    QString m_folder;
    QWidget* m_menuWindow = nullptr;
    const char* m_menuPicture = nullptr;
    std::deque<Visit> m_visits;
    QStringList m_problems;
};

// Ctrl+F and a text in the find bar, pictured; Esc then closes the bar.
void findTour(Tour& tour, QDialog& editor, const QString& text, const char* name)
{
    static_cast<EditorWindow&>(editor).openFindBar();
    auto* field = tour.control<QLineEdit>(editor, "findEdit");
    if (!field)
        return;
    field->setText(text);
    tour.picture(editor, name);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &escape);
}

// The window that adds images, on its icon theme's page, a few icons chosen.
void addImagesTour(Tour& tour, QDialog& add)
{
    auto* tabs = tour.control<QTabWidget>(add, "sourceTabs");
    auto* search = tour.control<QLineEdit>(add, "themeSearchEdit");
    auto* icons = tour.control<QAbstractItemView>(add, "themeIconsView");
    if (!tabs || !search || !icons)
        return;
    tabs->setCurrentIndex(1);
    search->setText(QStringLiteral("document"));
    for (int row = 0; row < std::min(3, icons->model()->rowCount()); ++row)
        icons->selectionModel()->select(icons->model()->index(row, 0), QItemSelectionModel::Select);
    icons->setCurrentIndex(icons->model()->index(0, 0));
    tour.picture(add, "add-images");
}

// F4 in the image index opens the picker over the tag's dialog.
void pickerTour(Tour& tour, QDialog& tag)
{
    auto* spin = tour.control<QWidget>(tag, "imageIndexSpin");
    if (!spin)
        return;
    tour.then([&](QDialog& picker) {
        tour.picture(picker, "image-picker");
        tour.then([&](QDialog& add) { addImagesTour(tour, add); });
        tour.click(picker, "addImagesButton");
    });
    QKeyEvent f4(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
    QCoreApplication::sendEvent(spin, &f4);
}

// A little wider than the editor opens, as a user makes it, so that every tag shows whole.
void widenToShowEveryTag(QDialog& editor)
{
    editor.resize(editor.minimumWidth() + WindowSizing::scaled(editor, 110), editor.height());
}

void toolbarTour(Tour& tour, QDialog& editor)
{
    auto* tree = tour.control<QTreeView>(editor, "itemsView");
    if (!tree || tree->model()->rowCount() < 3)
        return;
    tour.select(*tree, 0, QStringLiteral("Bold"));
    widenToShowEveryTag(editor);
    tour.picture(editor, "toolbar-editor");
    tour.pictureNextMenu(editor, "toolbar-context-menu");
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(),
                              tree->viewport()->mapToGlobal(QPoint()));
    QCoreApplication::sendEvent(tree->viewport(), &menuKey);
    tour.then([&](QDialog& tag) {
        tour.picture(tag, "tag-properties");
        pickerTour(tour, tag);
    });
    tour.click(editor, "editButton");
    tree->setCurrentIndex(tree->model()->index(2, 0));
    tour.then([&](QDialog& category) { tour.picture(category, "category-properties"); });
    tour.click(editor, "editButton");
    tour.then([&](QDialog& viewer) { tour.picture(viewer, "view-image"); });
    tour.click(editor, "viewImagesButton");
    findTour(tour, editor, QStringLiteral("list"), "find-bar");
}

void proceduresTour(Tour& tour, QDialog& editor)
{
    auto* tree = tour.control<QTreeView>(editor, "itemsView");
    if (!tree || tree->model()->rowCount() < 2)
        return;
    tour.select(*tree, 1, QStringLiteral("print <<EOF;"));
    tour.picture(editor, "procedures-editor");
    tour.then([&](QDialog& procedure) { tour.picture(procedure, "procedure-properties"); });
    tour.click(editor, "editButton");
}

void mimeTour(Tour& tour, QDialog& editor)
{
    if (auto* list = tour.control<QTableView>(editor, "itemsView"))
        list->selectRow(0);
    tour.picture(editor, "mime-types-editor");
    tour.then([&](QDialog& type) { tour.picture(type, "mime-type-properties"); });
    tour.click(editor, "editButton");
}

void additionalTour(Tour& tour, QDialog& additional)
{
    tour.picture(additional, "additional");
    tour.then([&](QDialog& about) { tour.picture(about, "about"); });
    tour.click(additional, "aboutButton");
}

// The colours of a dark desktop, as Fusion draws them.
QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35);
    const QColor text(0xee, 0xee, 0xee);
    for (const QPalette::ColorRole role :
         {QPalette::Window, QPalette::Button, QPalette::AlternateBase})
        dark.setColor(role, window);
    dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        dark.setColor(role, text);
    dark.setColor(QPalette::ToolTipBase, QColor(0x23, 0x23, 0x23));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x5a, 0xaa, 0xff));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return dark;
}

// The toolbar editor again, in Fusion's style with a dark palette.
void darkTour(Tour& tour, StartWindow& start)
{
    const QPalette light = QApplication::palette();
    const QString style = QApplication::style()->name();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(darkPalette());
    tour.then([&](QDialog& editor) {
        if (auto* tree = tour.control<QTreeView>(editor, "itemsView"))
            tour.select(*tree, 0, QStringLiteral("Bold"));
        widenToShowEveryTag(editor);
        tour.picture(editor, "toolbar-editor-dark");
    });
    tour.click(start, "toolbarButton");
    QApplication::setStyle(style);
    QApplication::setPalette(light);
}

void tourEveryWindow(Tour& tour)
{
    StartWindow start;
    start.show();
    tour.picture(start, "start-window");
    tour.then([&](QDialog& editor) { toolbarTour(tour, editor); });
    tour.click(start, "toolbarButton");
    UpdateImagesPrompt prompt(&start);
    tour.then([&](QDialog& shown) { tour.picture(shown, "update-images"); });
    Modal::exec(prompt);
    tour.then([&](QDialog& editor) { proceduresTour(tour, editor); });
    tour.click(start, "proceduresButton");
    tour.then([&](QDialog& editor) { mimeTour(tour, editor); });
    tour.click(start, "mimeTypesButton");
    tour.then([&](QDialog& additional) { additionalTour(tour, additional); });
    tour.click(start, "additionalButton");
    darkTour(tour, start);
}

const QStringList everyPicture = {"start-window",
                                  "toolbar-editor",
                                  "find-bar",
                                  "toolbar-context-menu",
                                  "tag-properties",
                                  "image-picker",
                                  "category-properties",
                                  "view-image",
                                  "update-images",
                                  "procedures-editor",
                                  "procedure-properties",
                                  "mime-types-editor",
                                  "mime-type-properties",
                                  "additional",
                                  "about",
                                  "toolbar-editor-dark",
                                  "add-images"};

} // namespace

// halvex-screenshots FOLDER: opens every window on a fresh demo host profile, offscreen unless
// told otherwise, and saves a picture of each into FOLDER (QT_SCALE_FACTOR=2 for 200 %).
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir profile;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(profile.path() + QStringLiteral("/config")));
    GuardedApplication application(argc, argv);
    setUpApplication(application);
    if (argc != 2) {
        std::fprintf(stderr, "usage: halvex-screenshots FOLDER\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!profile.isValid() || !QDir().mkpath(folder)) {
        std::fprintf(stderr, "Cannot create \"%s\".\n", qPrintable(folder));
        return 1;
    }
    try {
        writeDemoProfile(profile.path());
    } catch (const AppError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    // Offscreen there is no desktop to name an icon theme: the pictures show Adwaita's icons
    // where it is installed, as a GNOME desktop would.
    if (QIcon::themeName().isEmpty() &&
        QFileInfo::exists(QStringLiteral("/usr/share/icons/Adwaita/index.theme")))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    Tour tour(folder);
    tourEveryWindow(tour);
    const QStringList problems = tour.problems(everyPicture);
    for (const QString& problem : problems)
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    return problems.isEmpty() ? 0 : 1;
}
