#include "BenchCases.h"

#include "common/EditorWindow.h"
#include "common/HostOptions.h"
#include "common/LineFile.h"
#include "common/Modal.h"
#include "mime/MimeTypesDocument.h"
#include "mime/MimeTypesEditor.h"
#include "procedures/ProceduresDocument.h"
#include "procedures/ProceduresEditor.h"
#include "toolbar/ImageList.h"
#include "toolbar/ImagePicker.h"
#include "toolbar/ToolbarDocument.h"
#include "toolbar/ToolbarEditor.h"

#include <QAbstractItemView>
#include <QAbstractTableModel>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTreeView>
#include <QTreeWidget>
#include <QUndoStack>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include <unistd.h>

namespace {

// Names the case's file for its editor's setting only, since no two of the host's files may be
// one, and an image strip beside it.
class BenchOptions : public HostOptions
{
public:
    BenchOptions(BenchKind kind, const QString& path) : m_kind(kind), m_path(path) {}
    QString readString(const QString& name) const override
    {
        const QString folder = QFileInfo(m_path).path();
        if (name == Opt_HTMLToolbarGlyphs)
            return folder + QStringLiteral("/strip.png");
        if (m_kind == BenchKind::Procedures)
            return name == Opt_AppPath ? folder + QLatin1Char('/') : QString();
        if (m_kind == BenchKind::MimeTypes)
            return name == Opt_MIMEPraserCFG ? m_path : QString();
        return name == Opt_HTMLToolbarCFG ? m_path : QString();
    }

private:
    BenchKind m_kind;
    QString m_path;
};

double msSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double timed(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return msSince(timer);
}

// A command is done for its user once the view shows it: the layout the view put off, and a
// paint.
void showInView(QAbstractItemView& view)
{
    if (view.currentIndex().isValid())
        view.scrollTo(view.currentIndex());
    view.viewport()->repaint();
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

void click(QWidget& window, const char* name)
{
    window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

QStringList toolbarFileLines(int lines, bool oneCategory)
{
    QStringList out;
    for (int i = 0; out.size() < lines; ++i) {
        if (i == 0 || (!oneCategory && i % 10 == 0))
            out << QStringLiteral("2:%1:Category %2").arg(i % 12).arg(i);
        else
            out << QStringLiteral("1:%1:Tag %2 (<T%2>):<T%2>%1</T%2>").arg(i % 12).arg(i);
    }
    return out;
}

QStringList procsFileLines(int lines)
{
    QStringList out;
    for (int i = 0; out.size() < lines; ++i) {
        if (i % 100 == 0)
            out << QStringLiteral("SECTION_%1").arg(i / 100 % 3);
        out << QStringLiteral("print \"%1\";").arg(i)
            << QStringLiteral("#print \"%1\";%2print \"%1 done\";").arg(i);
    }
    return out;
}

QStringList mimeFileLines(int lines)
{
    QStringList out;
    for (int i = 0; out.size() < lines; ++i)
        out << QStringLiteral("APPLICATION/X-TYPE-%1").arg(i) << QStringLiteral(".t%1").arg(i);
    return out;
}

// The texts the editor's view shows, as a two-level outline or as rows of two columns.
QList<QStringList> viewTexts(BenchKind kind, const QByteArray& bytes)
{
    QList<QStringList> groups;
    if (kind == BenchKind::MimeTypes) {
        for (const MimeType& type : readMimeTypes(bytes).document.rows)
            groups.append({type.type(), type.suffix()});
    } else if (kind == BenchKind::Procedures) {
        for (const ProcedureSection& section : readProcedures(bytes, {}).document.sections) {
            QStringList group{sectionCaption(section.number)};
            for (const Procedure& procedure : section.procedures)
                group << procedure.caption();
            groups.append(group);
        }
    } else {
        for (const ToolbarCategory& category : readToolbar(bytes, {}).document.categories) {
            QStringList group{category.caption()};
            for (const ToolbarTag& tag : category.tags())
                group << tag.text();
            groups.append(group);
        }
    }
    return groups;
}

// Every text the find bar looks in, node by node: what a plain loop tests.
QStringList searchedTexts(BenchKind kind, const QByteArray& bytes)
{
    QStringList texts;
    if (kind == BenchKind::MimeTypes) {
        for (const MimeType& type : readMimeTypes(bytes).document.rows)
            texts << type.type() << type.suffix();
    } else if (kind == BenchKind::Procedures) {
        for (const ProcedureSection& section : readProcedures(bytes, {}).document.sections) {
            texts << sectionCaption(section.number);
            for (const Procedure& procedure : section.procedures)
                texts << procedure.caption() << procedure.code();
        }
    } else {
        for (const ToolbarCategory& category : readToolbar(bytes, {}).document.categories) {
            texts << category.caption();
            for (const ToolbarTag& tag : category.tags())
                texts << tag.caption() << tag.tag();
        }
    }
    return texts;
}

void fillBareView(QTreeWidget& view, BenchKind kind, const QList<QStringList>& groups)
{
    QList<QTreeWidgetItem*> items;
    items.reserve(groups.size());
    for (const QStringList& group : groups) {
        if (kind == BenchKind::MimeTypes) {
            items.append(new QTreeWidgetItem(group));
            continue;
        }
        auto* parent = new QTreeWidgetItem(QStringList{group.first()});
        QList<QTreeWidgetItem*> children;
        children.reserve(group.size() - 1);
        for (qsizetype i = 1; i < group.size(); ++i)
            children.append(new QTreeWidgetItem(QStringList{group[i]}));
        parent->addChildren(children);
        items.append(parent);
    }
    view.addTopLevelItems(items);
}

QStringList readBareView(const QTreeWidget& view)
{
    QStringList texts;
    for (int i = 0; i < view.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = view.topLevelItem(i);
        for (int column = 0; column < item->columnCount(); ++column)
            texts << item->text(column);
        for (int j = 0; j < item->childCount(); ++j)
            texts << item->child(j)->text(0);
    }
    return texts;
}

std::unique_ptr<EditorWindow> openEditor(BenchKind kind, const HostOptions& options)
{
    if (kind == BenchKind::MimeTypes)
        return std::make_unique<MimeTypesEditor>(nullptr, options);
    if (kind == BenchKind::Procedures)
        return std::make_unique<ProceduresEditor>(nullptr, options);
    return std::make_unique<ToolbarEditor>(nullptr, options);
}

// A property dialog's OK: in its button box, or the button of that name.
void accept(QDialog& dialog)
{
    if (auto* box = dialog.findChild<QDialogButtonBox*>())
        box->button(QDialogButtonBox::Ok)->click();
    else
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
}

// A tag, a procedure or a MIME type row: in a tree the child of a node at the top level, in a
// table the row at the top level's place plus the child's.
QModelIndex leafAt(const QAbstractItemModel& model, int top, int child)
{
    const QModelIndex parent = model.index(top, 0);
    if (!model.hasChildren(parent))
        return model.index(std::min(top + child, model.rowCount() - 1), 0);
    return model.index(std::min(child, model.rowCount(parent) - 1), 0, parent);
}

struct CommandNames
{
    const char* view;
    const char* newButton;
    const char* field; // the text the new node's dialog is given
};

CommandNames commandNames(BenchKind kind)
{
    if (kind == BenchKind::MimeTypes)
        return {"itemsView", "newTypeButton", "mimeTypeEdit"};
    if (kind == BenchKind::Procedures)
        return {"itemsView", "newCodeButton", "captionEdit"};
    return {"itemsView", "newTagButton", "captionEdit"};
}

} // namespace

QString kindName(BenchKind kind)
{
    switch (kind) {
    case BenchKind::Toolbar:
        return QStringLiteral("toolbar");
    case BenchKind::ToolbarOneCategory:
        return QStringLiteral("toolbar, one category");
    case BenchKind::Procedures:
        return QStringLiteral("procedures");
    case BenchKind::MimeTypes:
        return QStringLiteral("MIME types");
    }
    return {};
}

BenchKind kindFromName(const QString& name)
{
    for (BenchKind kind : {BenchKind::Toolbar, BenchKind::ToolbarOneCategory, BenchKind::Procedures,
                           BenchKind::MimeTypes}) {
        if (kindName(kind) == name)
            return kind;
    }
    return BenchKind::Toolbar;
}

QByteArray generateFile(BenchKind kind, int lines)
{
    QStringList text;
    if (kind == BenchKind::MimeTypes)
        text = mimeFileLines(lines);
    else if (kind == BenchKind::Procedures)
        text = procsFileLines(lines);
    else
        text = toolbarFileLines(lines, kind == BenchKind::ToolbarOneCategory);
    return joinLineFile(text, {});
}

// A message box in a measured run means the case itself is wrong: say so and stop, rather than
// wait for a click that never comes.
void failOnMessages()
{
    Modal::setHook([](QDialog& window) {
        if (auto* box = qobject_cast<QMessageBox*>(&window)) {
            std::fprintf(stderr, "unexpected message: %s\n", qPrintable(box->text()));
            std::exit(2);
        }
    });
}

QJsonObject measureEditor(BenchKind kind, const QString& path)
{
    const BenchOptions options(kind, path);
    failOnMessages();
    QImage(192, 16, QImage::Format_RGB32).save(options.readString(Opt_HTMLToolbarGlyphs));
    std::unique_ptr<EditorWindow> editor;
    const double openMs = timed([&] { editor = openEditor(kind, options); });
    double saveMs = 0;
    Modal::setHook([&](QDialog& window) { saveMs = timed([&] { click(window, "okButton"); }); });
    Modal::exec(*editor);
    Modal::setHook({});
    return {{QStringLiteral("open_ms"), openMs},
            {QStringLiteral("save_ms"), saveMs},
            {QStringLiteral("peak_mib"), peakMemoryMiB()}};
}

QJsonObject measureFloors(BenchKind kind, const QString& path)
{
    QByteArray bytes;
    const double readMs = timed([&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        bytes = file.readAll();
    });
    const double writeMs = timed([&] {
        QFile file(path + QStringLiteral(".floor"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    });
    QFile::remove(path + QStringLiteral(".floor"));
    // What every safe save adds: the bytes on the disk before a rename puts them in place.
    const double durableWriteMs = timed([&] {
        QFile file(path + QStringLiteral(".floor-new"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.flush();
        ::fdatasync(file.handle());
        file.close();
        QFile::rename(path + QStringLiteral(".floor-new"), path + QStringLiteral(".floor"));
    });
    QFile::remove(path + QStringLiteral(".floor"));
    const QList<QStringList> texts = viewTexts(kind, bytes);
    QTreeWidget view;
    view.setColumnCount(kind == BenchKind::MimeTypes ? 2 : 1);
    const double fillMs = timed([&] { fillBareView(view, kind, texts); });
    QStringList readBack;
    const double readBackMs = timed([&] { readBack = readBareView(view); });
    return {{QStringLiteral("read_ms"), readMs},
            {QStringLiteral("write_ms"), writeMs},
            {QStringLiteral("durable_write_ms"), durableWriteMs},
            {QStringLiteral("fill_ms"), fillMs},
            {QStringLiteral("read_back_ms"), readBackMs}};
}

// Each command on a node in the middle of the document, over and over: select, New, Edit,
// Remove, a move, a paste of one node, and the undo of a step.
QJsonObject measureInteractions(BenchKind kind, const QString& path)
{
    const BenchOptions options(kind, path);
    failOnMessages();
    QImage(192, 16, QImage::Format_RGB32).save(options.readString(Opt_HTMLToolbarGlyphs));
    const std::unique_ptr<EditorWindow> editor = openEditor(kind, options);
    const CommandNames names = commandNames(kind);
    QAbstractItemView& view = *editor->findChild<QAbstractItemView*>(QLatin1String(names.view));
    QList<double> select, create, edit, remove, move, paste, undo;
    // New, Edit and Remove ask first, in a dialog that no view shares: their step alone is
    // timed again as the stack replays it.
    QList<double> createStep, editStep, removeStep;
    const auto timedInView = [&](const std::function<void()>& command) {
        return timed([&] {
            command();
            showInView(view);
        });
    };
    const auto timedStep = [&](QList<double>& whole, QList<double>& step,
                               const std::function<void()>& command) {
        whole << timedInView(command);
        editor->undoStack()->undo();
        showInView(view);
        step << timedInView([&] { editor->undoStack()->redo(); });
    };
    Modal::setHook([&](QDialog& window) {
        if (auto* box = qobject_cast<QMessageBox*>(&window)) {
            box->button(QMessageBox::Yes)->click();
        } else if (&window != editor.get()) {
            window.findChild<QLineEdit*>(QLatin1String(names.field))
                ->setText(QStringLiteral("NEW/%1").arg(create.size() + edit.size()));
            accept(window);
        } else {
            // Painted as the user sees it: a window not on the screen yet paints nothing.
            const QDeadlineTimer exposed(5000);
            while (!window.windowHandle()->isExposed() && !exposed.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            const QAbstractItemModel& model = *view.model();
            const int last = model.rowCount() - 1;
            for (int i = 0; i < 21; ++i) {
                const QModelIndex target = leafAt(model, last - i % 3, 10 + i);
                select << timedInView([&] { view.setCurrentIndex(target); });
            }
            const auto at = [&](int i) { view.setCurrentIndex(leafAt(model, last / 2, i)); };
            for (int i = 0; i < 11; ++i) {
                at(i);
                timedStep(create, createStep, [&] { click(window, names.newButton); });
                at(20 + i);
                timedStep(edit, editStep, [&] { click(window, "editButton"); });
                at(40 + i);
                timedStep(remove, removeStep, [&] { click(window, "removeButton"); });
                at(60 + i);
                move << timedInView([&] { editor->moveSelectedDown(); });
                editor->copySelected();
                paste << timedInView([&] { editor->paste(); });
                undo << timedInView([&] { editor->undoStack()->undo(); });
            }
            window.reject();
        }
    });
    Modal::exec(*editor);
    Modal::setHook({});
    return {{QStringLiteral("select_ms"), median(select)},
            {QStringLiteral("new_ms"), median(create)},
            {QStringLiteral("new_step_ms"), median(createStep)},
            {QStringLiteral("edit_ms"), median(edit)},
            {QStringLiteral("edit_step_ms"), median(editStep)},
            {QStringLiteral("remove_ms"), median(remove)},
            {QStringLiteral("remove_step_ms"), median(removeStep)},
            {QStringLiteral("move_ms"), median(move)},
            {QStringLiteral("paste_ms"), median(paste)},
            {QStringLiteral("undo_ms"), median(undo)}};
}

QJsonObject measureFind(BenchKind kind, const QString& path, const QString& letter)
{
    const BenchOptions options(kind, path);
    failOnMessages();
    QImage(192, 16, QImage::Format_RGB32).save(options.readString(Opt_HTMLToolbarGlyphs));
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QStringList texts = searchedTexts(kind, file.readAll());
    qsizetype found = 0;
    QList<double> floorRuns, findRuns;
    for (int run = 0; run < 5; ++run) {
        found = 0;
        floorRuns << timed([&] {
            for (const QString& text : texts)
                found += text.contains(letter, Qt::CaseInsensitive);
        });
    }
    const std::unique_ptr<EditorWindow> editor = openEditor(kind, options);
    qsizetype shown = 0;
    Modal::setHook([&](QDialog& window) {
        QAbstractItemView& view =
            *window.findChild<QAbstractItemView*>(QStringLiteral("itemsView"));
        auto& field = *window.findChild<QLineEdit*>(QStringLiteral("findEdit"));
        for (int run = 0; run < 3; ++run) {
            field.setText(QString());
            QCoreApplication::processEvents();
            findRuns << timed([&] {
                field.setText(letter);
                QCoreApplication::processEvents();
                view.viewport()->repaint();
            });
        }
        shown = view.model()->rowCount();
        window.reject();
    });
    Modal::exec(*editor);
    Modal::setHook({});
    return {{QStringLiteral("find_ms"), median(findRuns)},
            {QStringLiteral("find_floor_ms"), median(floorRuns)},
            {QStringLiteral("find_texts_holding"), double(found)},
            {QStringLiteral("find_rows_shown"), double(shown)}};
}

namespace {

// The file's lines as a copy from its editor holds them: one line break each, and no section
// headers, which a paste does not take.
QString clipboardLines(const QByteArray& bytes)
{
    QString text;
    FileLines lines(bytes);
    QByteArrayView line;
    while (lines.next(line)) {
        if (!line.startsWith("SECTION_"))
            text += QString::fromUtf8(line) + QLatin1Char('\n');
    }
    return text;
}

} // namespace

QJsonObject measurePaste(BenchKind kind, const QString& path)
{
    // The small file stands in a folder of its own: the procedures file has a fixed name.
    const QString folder = QFileInfo(path).path() + QStringLiteral("/small");
    QDir().mkpath(folder);
    const QString small = folder + QLatin1Char('/') + QFileInfo(path).fileName();
    QFile file(small);
    file.open(QIODevice::WriteOnly);
    file.write(generateFile(kind, 10));
    file.close();
    const BenchOptions options(kind, small);
    failOnMessages();
    QImage(192, 16, QImage::Format_RGB32).save(options.readString(Opt_HTMLToolbarGlyphs));
    QFile large(path);
    large.open(QIODevice::ReadOnly);
    QGuiApplication::clipboard()->setText(clipboardLines(large.readAll()));
    const std::unique_ptr<EditorWindow> editor = openEditor(kind, options);
    const double pasteMs = timed([&] { editor->paste(); });
    const int steps = editor->undoStack()->count();
    const double undoMs = timed([&] { editor->undoStack()->undo(); });
    return {{QStringLiteral("paste_ms"), pasteMs},
            {QStringLiteral("undo_paste_ms"), undoMs},
            {QStringLiteral("pasted"), steps == 1}};
}

namespace {

// A list whose rows cost nothing to hold or to change: what is left is what a view costs. Its
// texts are as long as the generated files' texts, so that a view paints as much.
class BareList : public QAbstractTableModel
{
public:
    explicit BareList(int rows) : m_rows(rows) {}
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return index.column() == 0 ? m_texts[0] : m_texts[1];
    }
    void insertOne(int row)
    {
        beginInsertRows({}, row, row);
        ++m_rows;
        endInsertRows();
    }
    void removeOne(int row)
    {
        beginRemoveRows({}, row, row);
        --m_rows;
        endRemoveRows();
    }
    void moveDown(int row)
    {
        beginMoveRows({}, row, row, {}, row + 2);
        endMoveRows();
    }
    void changeOne(int row) { emit dataChanged(index(row, 0), index(row, 1)); }

private:
    int m_rows;
    const QVariant m_texts[2] = {QStringLiteral("APPLICATION/X-TYPE-500000"),
                                 QStringLiteral(".t500000")};
};

// A step and the selection of its row, as the editors take them.
QJsonObject timeBareView(QAbstractItemView& view, int rows)
{
    BareList list(rows);
    view.setModel(&list);
    view.resize(300, 300);
    view.show();
    QCoreApplication::processEvents();
    const int middle = rows / 2;
    const auto select = [&](int row) {
        view.setCurrentIndex(list.index(row, 0));
        showInView(view);
    };
    select(middle);
    // Each change as the editors make it: a row goes in below the selected one and takes the
    // selection, the selected row goes and the one above takes it, the selected row moves down
    // and keeps it.
    QList<double> selectOther, change, insert, remove, move;
    for (int i = 0; i < 11; ++i) {
        // Out of view, as the editors' nodes selected in turn are: the view scrolls and paints.
        selectOther << timed([&] { select(rows / 4 * (1 + i % 3)); });
        select(middle);
        change << timed([&] {
            list.changeOne(middle);
            select(middle);
        });
        insert << timed([&] {
            list.insertOne(middle + 1);
            select(middle + 1);
        });
        remove << timed([&] {
            list.removeOne(middle + 1);
            select(middle);
        });
        move << timed([&] {
            list.moveDown(middle);
            select(middle + 1);
        });
        select(middle);
    }
    view.setModel(nullptr);
    return {{QStringLiteral("select_ms"), median(selectOther)},
            {QStringLiteral("change_ms"), median(change)},
            {QStringLiteral("insert_ms"), median(insert)},
            {QStringLiteral("remove_ms"), median(remove)},
            {QStringLiteral("move_ms"), median(move)}};
}

} // namespace

QJsonObject measureBareViews(int rows)
{
    QTableView table;
    table.verticalHeader()->hide(); // as the MIME types list has it
    QTreeView tree;
    tree.setUniformRowHeights(true);
    tree.setRootIsDecorated(false);
    return {{QStringLiteral("table"), timeBareView(table, rows)},
            {QStringLiteral("tree"), timeBareView(tree, rows)}};
}

namespace {

double residentMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

} // namespace

QJsonObject measurePicker(int images)
{
    QImage strip(images * ImageList::imageSize, ImageList::imageSize, QImage::Format_RGB32);
    for (int x = 0; x < strip.width(); ++x)
        for (int y = 0; y < strip.height(); ++y)
            strip.setPixel(x, y, qRgb(x % 251, y * 13, (x / 16) % 253));
    ImageList list;
    list.addStrip(strip);
    strip = QImage();
    const double before = residentMemoryMiB();
    std::unique_ptr<ImagePicker> picker;
    const double openMs = timed([&] {
        picker = std::make_unique<ImagePicker>(nullptr, list, images / 2);
        picker->show();
        picker->grab();
    });
    return {{QStringLiteral("picker_ms"), openMs},
            {QStringLiteral("picker_mib"), residentMemoryMiB() - before}};
}

double peakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}
