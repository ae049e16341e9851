// halvex-bench: times the program's real code paths offscreen and prints one table, plus a JSON
// file. Each measurement runs in a child process of its own.
//   halvex-bench [--quick] [--out FILE] [--only KIND]
//   halvex-bench --generate KIND LINES FILE, then --find KIND FILE LETTER: one case by hand

#include "app/Application.h"
#include "BenchCases.h"
#include "common/ErrorGuard.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

const QList<BenchKind> kinds = {BenchKind::Toolbar, BenchKind::ToolbarOneCategory,
                                BenchKind::Procedures, BenchKind::MimeTypes};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

QProcessEnvironment childEnvironment(const QString& configHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    environment.insert(QStringLiteral("HALVEX_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    return environment;
}

QJsonObject runChild(const QStringList& arguments, const QString& configHome)
{
    QProcess child;
    child.setProcessEnvironment(childEnvironment(configHome));
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    return QJsonDocument::fromJson(child.readAllStandardOutput()).object();
}

// From the start of the process to its first window shown, which the program prints.
double timeStart(const QString& program, const QString& configHome,
                 const QStringList& arguments = {})
{
    QProcess process;
    process.setProcessEnvironment(childEnvironment(configHome));
    const qint64 started = QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs();
    process.start(program, arguments);
    process.waitForFinished(-1);
    const qint64 shown = process.readAllStandardOutput().trimmed().toLongLong();
    return double(shown - started) / 1e6;
}

// The program and the minimal Qt program, started in turn so that both meet the same machine.
QJsonObject measureStartUp(int runs, const QString& configHome)
{
    const QStringList caption{QStringLiteral("--caption")};
    QList<double> program, minimal, withCaption;
    timeStart(QStringLiteral(HALVEX_PROGRAM), configHome); // warm the file cache
    timeStart(QStringLiteral(HALVEX_MINIMAL), configHome, caption);
    for (int i = 0; i < runs; ++i) {
        program << timeStart(QStringLiteral(HALVEX_PROGRAM), configHome);
        minimal << timeStart(QStringLiteral(HALVEX_MINIMAL), configHome);
        withCaption << timeStart(QStringLiteral(HALVEX_MINIMAL), configHome, caption);
    }
    const double ours = median(program);
    const double floor = median(minimal);
    return {{QStringLiteral("program_ms"), ours},
            {QStringLiteral("minimal_qt_ms"), floor},
            {QStringLiteral("minimal_qt_caption_ms"), median(withCaption)},
            {QStringLiteral("ratio"), ours / floor}};
}

QJsonObject medianOf(const QList<QJsonObject>& runs)
{
    QJsonObject result;
    for (const QString& key : runs.first().keys()) {
        QList<double> values;
        for (const QJsonObject& run : runs)
            values << run.value(key).toDouble();
        result.insert(key, median(values));
    }
    return result;
}

QJsonObject measureCase(BenchKind kind, int lines, int repeats, const QTemporaryDir& dir)
{
    // The procedures file has a fixed name, so each case has a folder of its own.
    const QString folder = dir.path() + QStringLiteral("/case %1, %2").arg(int(kind)).arg(lines);
    QDir().mkpath(folder);
    const QString path =
        folder + (kind == BenchKind::Procedures ? QStringLiteral("/CstProcs.dat")
                                                : QStringLiteral("/bench file.cfg"));
    QFile file(path);
    QList<QJsonObject> editor, floors;
    for (int i = 0; i < repeats; ++i) {
        file.open(QIODevice::WriteOnly);
        file.write(generateFile(kind, lines));
        file.close();
        QJsonObject opened =
            runChild({QStringLiteral("--editor"), kindName(kind), path}, dir.path());
        if (lines >= 100000 && kind != BenchKind::ToolbarOneCategory) {
            const QJsonObject pasted =
                runChild({QStringLiteral("--paste"), kindName(kind), path}, dir.path());
            for (const QString& key : pasted.keys())
                opened.insert(key, pasted.value(key));
        }
        editor << opened;
        floors << runChild({QStringLiteral("--floor"), kindName(kind), path}, dir.path());
    }
    QJsonObject result = medianOf(editor);
    const QJsonObject floor = medianOf(floors);
    for (const QString& key : floor.keys())
        result.insert(QStringLiteral("floor_") + key, floor.value(key));
    const double openFloor =
        floor[QStringLiteral("read_ms")].toDouble() + floor[QStringLiteral("fill_ms")].toDouble();
    const double saveFloor = floor[QStringLiteral("write_ms")].toDouble() +
                             floor[QStringLiteral("read_back_ms")].toDouble();
    result.insert(QStringLiteral("open_ratio"),
                  result[QStringLiteral("open_ms")].toDouble() / openFloor);
    result.insert(QStringLiteral("save_ratio"),
                  result[QStringLiteral("save_ms")].toDouble() / saveFloor);
    result.insert(QStringLiteral("kind"), kindName(kind));
    result.insert(QStringLiteral("lines"), lines);
    return result;
}

QString machine()
{
    QFile cpu(QStringLiteral("/proc/cpuinfo"));
    QString model = QStringLiteral("unknown CPU");
    if (cpu.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : cpu.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                model = QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
                break;
            }
        }
    }
    return QStringLiteral("%1, %2 cores, %3, Qt %4")
        .arg(model)
        .arg(QThread::idealThreadCount())
        .arg(QSysInfo::prettyProductName(), QString::fromLatin1(qVersion()));
}

QString fixed(double value, int decimals = 1)
{
    return QString::number(value, 'f', decimals);
}

const QStringList commandKeys = {"select", "new", "edit", "remove", "move", "paste", "undo"};

// A target of the yardsticks that measure what users wait for, and whether the run met it.
struct Target
{
    QString what;
    double value;
    double limit;
    bool met() const { return value <= limit; }
};

QString verdict(const Target& target)
{
    return target.met() ? QStringLiteral("met") : QStringLiteral("NOT met");
}

// The change that Qt's bare view makes for each command: New and a paste insert a row, Remove
// and the paste's undo remove one, Edit changes one. New, Edit and Remove count without the
// dialog that asks first, which no view builds: their step as the undo stack replays it.
struct BareChange
{
    const char* command;
    const char* ours;
    const char* bare;
};
const BareChange bareChanges[] = {
    {"select", "select_ms", "select_ms"},    {"new", "new_step_ms", "insert_ms"},
    {"edit", "edit_step_ms", "change_ms"},    {"remove", "remove_step_ms", "remove_ms"},
    {"move", "move_ms", "move_ms"},           {"paste", "paste_ms", "insert_ms"},
    {"undo", "undo_ms", "remove_ms"}};

// Each command at 1,000,000 lines within a frame, and its change within 1.5x what Qt's own view
// takes for the same change: the table for the MIME types list, the tree for the others.
void printCommandYardsticks(QTextStream& out, const QJsonArray& rows, const QJsonObject& bare,
                            QList<Target>& targets)
{
    if (bare.isEmpty())
        return;
    out << "\nSingle commands at 1,000,000 lines (ms; targets: within 16 ms, and the change within "
           "1.5x Qt's bare view making the same change):\n";
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        if (row[QStringLiteral("lines")].toInt() != 1000000)
            continue;
        const QString kind = row[QStringLiteral("kind")].toString();
        const QJsonObject view =
            bare[kind == kindName(BenchKind::MimeTypes) ? QStringLiteral("table")
                                                        : QStringLiteral("tree")]
                .toObject();
        for (const BareChange& change : bareChanges) {
            const QString command = QString::fromLatin1(change.command);
            const double whole = row[command + QStringLiteral("_ms")].toDouble();
            const double ours = row[QString::fromLatin1(change.ours)].toDouble();
            const double floor = view[QString::fromLatin1(change.bare)].toDouble();
            const Target frame{kind + QLatin1Char(' ') + command + QStringLiteral(" in a frame"),
                               whole, 16};
            const Target beside{kind + QLatin1Char(' ') + command +
                                    QStringLiteral(" beside the bare view"),
                                ours / floor, 1.5};
            targets << frame << beside;
            out << QStringLiteral("  %1 %2 %3 ms (%4); change %5 ms, bare view %6 ms, x%7 (%8)\n")
                       .arg(kind, -12)
                       .arg(command, -7)
                       .arg(fixed(whole, 3), verdict(frame), fixed(ours, 3), fixed(floor, 3),
                            fixed(ours / floor, 2), verdict(beside));
        }
    }
}

// Each command's median time, and how much longer it takes at 1,000,000 lines than at 10,000.
void printCommands(QTextStream& out, const QJsonArray& rows)
{
    out << "\nSingle commands (median ms; target: at 1,000,000 lines at most 2x the time at "
           "10,000):\n";
    QString header = QStringLiteral("  %1 %2").arg(QStringLiteral("editor"), -12).arg(
        QStringLiteral("lines"), 8);
    for (const QString& key : commandKeys)
        header += QStringLiteral(" %1").arg(key, 7);
    out << header << "\n";
    QMap<QString, QJsonObject> smallest;
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        const QString kind = row[QStringLiteral("kind")].toString();
        const int lines = row[QStringLiteral("lines")].toInt();
        QString line = QStringLiteral("  %1 %2").arg(kind, -12).arg(lines, 8);
        for (const QString& key : commandKeys)
            line += QStringLiteral(" %1").arg(
                fixed(row[key + QStringLiteral("_ms")].toDouble(), 3), 7);
        out << line << "\n";
        if (!smallest.contains(kind)) {
            smallest.insert(kind, row);
            continue;
        }
        QString ratios = QStringLiteral("  %1 %2").arg(kind, -12).arg(QStringLiteral("growth"), 8);
        for (const QString& key : commandKeys) {
            const double base = smallest[kind][key + QStringLiteral("_ms")].toDouble();
            const double grown = row[key + QStringLiteral("_ms")].toDouble() / base;
            ratios += QStringLiteral(" %1").arg(QStringLiteral("x") + fixed(grown, 2), 7);
        }
        out << ratios << "\n";
    }
}

// What Qt's own views take for a step on a list that costs nothing: the part of a command that
// no model can save.
void printBareViews(QTextStream& out, const QJsonObject& byLines)
{
    const QJsonObject small = byLines[QStringLiteral("10000")].toObject();
    const QJsonObject large = byLines[QStringLiteral("1000000")].toObject();
    if (small.isEmpty() || large.isEmpty())
        return;
    out << "\nQt's own views over a list that costs nothing to change (median ms at 10,000 and "
           "1,000,000 rows, and the growth):\n";
    for (const QString& view : {QStringLiteral("table"), QStringLiteral("tree")}) {
        QString line = QStringLiteral("  %1").arg(view, -6);
        for (const QString& step : {QStringLiteral("insert"), QStringLiteral("remove"),
                                    QStringLiteral("move")}) {
            const QString key = step + QStringLiteral("_ms");
            const double before = small[view].toObject()[key].toDouble();
            const double after = large[view].toObject()[key].toDouble();
            line += QStringLiteral("  %1 %2 -> %3 (x%4)")
                        .arg(step, fixed(before, 3), fixed(after, 3), fixed(after / before, 1));
        }
        out << line << "\n";
    }
}

void printTable(const QJsonObject& results)
{
    QTextStream out(stdout);
    QList<Target> targets;
    const QJsonObject start = results[QStringLiteral("startup")].toObject();
    const Target startUp{QStringLiteral("start-up beside the minimal Qt program with text"),
                         start[QStringLiteral("program_ms")].toDouble() /
                             start[QStringLiteral("minimal_qt_caption_ms")].toDouble(),
                         1.10};
    targets << startUp;
    out << "Machine: " << results[QStringLiteral("machine")].toString() << "\n\n";
    out << "Start-up (median): program " << fixed(start[QStringLiteral("program_ms")].toDouble())
        << " ms, minimal Qt program " << fixed(start[QStringLiteral("minimal_qt_ms")].toDouble())
        << " ms, ratio " << fixed(start[QStringLiteral("ratio")].toDouble(), 2)
        << " (target <= 1.05)\n"
        << "  the minimal Qt program with one word of text in its window: "
        << fixed(start[QStringLiteral("minimal_qt_caption_ms")].toDouble()) << " ms, x"
        << fixed(start[QStringLiteral("minimal_qt_caption_ms")].toDouble() /
                     start[QStringLiteral("minimal_qt_ms")].toDouble(),
                 2)
        << " the empty window\n"
        << "  the program beside it: x" << fixed(startUp.value, 2) << " (target <= 1.10, "
        << verdict(startUp) << ")\n\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9\n")
               .arg(QStringLiteral("editor"), -22)
               .arg(QStringLiteral("lines"), 8)
               .arg(QStringLiteral("open ms"), 9)
               .arg(QStringLiteral("floor"), 8)
               .arg(QStringLiteral("ratio"), 6)
               .arg(QStringLiteral("OK ms"), 8)
               .arg(QStringLiteral("floor"), 8)
               .arg(QStringLiteral("ratio"), 6)
               .arg(QStringLiteral("peak MiB"), 9);
    for (const QJsonValue& value : results[QStringLiteral("editors")].toArray()) {
        const QJsonObject row = value.toObject();
        const double openFloor = row[QStringLiteral("floor_read_ms")].toDouble() +
                                 row[QStringLiteral("floor_fill_ms")].toDouble();
        const double saveFloor = row[QStringLiteral("floor_write_ms")].toDouble() +
                                 row[QStringLiteral("floor_read_back_ms")].toDouble();
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9\n")
                   .arg(row[QStringLiteral("kind")].toString(), -22)
                   .arg(row[QStringLiteral("lines")].toInt(), 8)
                   .arg(fixed(row[QStringLiteral("open_ms")].toDouble()), 9)
                   .arg(fixed(openFloor), 8)
                   .arg(fixed(row[QStringLiteral("open_ratio")].toDouble(), 2), 6)
                   .arg(fixed(row[QStringLiteral("save_ms")].toDouble()), 8)
                   .arg(fixed(saveFloor), 8)
                   .arg(fixed(row[QStringLiteral("save_ratio")].toDouble(), 2), 6)
                   .arg(fixed(row[QStringLiteral("peak_mib")].toDouble()), 9);
    }
    out << "Targets at 1,000,000 lines: open and OK ratios <= 1.5, peak <= 250 MiB\n";
    out << "\nOK beside a durable floor (the floor's write, then fdatasync and rename, and the "
           "bare view read back; target at 1,000,000 lines: at most 1.5x):\n";
    for (const QJsonValue& value : results[QStringLiteral("editors")].toArray()) {
        const QJsonObject row = value.toObject();
        const double floor = row[QStringLiteral("floor_durable_write_ms")].toDouble() +
                             row[QStringLiteral("floor_read_back_ms")].toDouble();
        const double ratio = row[QStringLiteral("save_ms")].toDouble() / floor;
        QString met;
        if (row[QStringLiteral("lines")].toInt() == 1000000) {
            const Target ok{row[QStringLiteral("kind")].toString() +
                                QStringLiteral(" OK beside the durable floor"),
                            ratio, 1.5};
            targets << ok;
            met = QStringLiteral(" (") + verdict(ok) + QLatin1Char(')');
        }
        out << QStringLiteral("  %1 %2 lines: OK %3 ms, durable floor %4 ms, x%5%6\n")
                   .arg(row[QStringLiteral("kind")].toString(), -22)
                   .arg(row[QStringLiteral("lines")].toInt(), 8)
                   .arg(fixed(row[QStringLiteral("save_ms")].toDouble()), fixed(floor),
                        fixed(ratio, 2), met);
    }
    out << "\nPaste of the file's lines into the editor, and its undo, beside opening the file "
           "(target: each at most 2x open):\n";
    for (const QJsonValue& value : results[QStringLiteral("editors")].toArray()) {
        const QJsonObject row = value.toObject();
        if (!row.contains(QStringLiteral("paste_ms")))
            continue;
        const double open = row[QStringLiteral("open_ms")].toDouble();
        out << QStringLiteral("  %1 %2 lines: open %3 ms, paste %4 ms (x%5), undo %6 ms (x%7)\n")
                   .arg(row[QStringLiteral("kind")].toString(), -12)
                   .arg(row[QStringLiteral("lines")].toInt(), 8)
                   .arg(fixed(open), fixed(row[QStringLiteral("paste_ms")].toDouble()),
                        fixed(row[QStringLiteral("paste_ms")].toDouble() / open, 2),
                        fixed(row[QStringLiteral("undo_paste_ms")].toDouble()),
                        fixed(row[QStringLiteral("undo_paste_ms")].toDouble() / open, 2));
    }
    out << "\nGrowth from 100,000 to 1,000,000 lines (target <= 11):\n";
    for (const QJsonValue& value : results[QStringLiteral("scaling")].toArray()) {
        const QJsonObject row = value.toObject();
        out << "  " << row[QStringLiteral("kind")].toString() << ": open x"
            << fixed(row[QStringLiteral("open_growth")].toDouble()) << ", OK x"
            << fixed(row[QStringLiteral("save_growth")].toDouble()) << "\n";
    }
    const QJsonObject picker = results[QStringLiteral("picker")].toObject();
    out << "\nThe image picker opened on a strip of 10,000 images: "
        << fixed(picker[QStringLiteral("picker_ms")].toDouble()) << " ms, "
        << fixed(picker[QStringLiteral("picker_mib")].toDouble()) << " MiB beside the images "
        << "(target: at most 100 ms and 10 MiB)\n";
    printCommands(out, results[QStringLiteral("interactions")].toArray());
    printBareViews(out, results[QStringLiteral("bare_views")].toObject());
    printCommandYardsticks(
        out, results[QStringLiteral("interactions")].toArray(),
        results[QStringLiteral("bare_views")].toObject()[QStringLiteral("1000000")].toObject(),
        targets);
    out << "\nThe letter \"t\" typed into the find bar, until the view shows the result, beside "
           "QString::contains over every node's text in a plain loop (target: at most 2x):\n";
    for (const QJsonValue& value : results[QStringLiteral("interactions")].toArray()) {
        const QJsonObject row = value.toObject();
        const double floor = row[QStringLiteral("find_floor_ms")].toDouble();
        if (row[QStringLiteral("lines")].toInt() == 1000000)
            targets << Target{row[QStringLiteral("kind")].toString() +
                                  QStringLiteral(" find beside QString::contains"),
                              row[QStringLiteral("find_ms")].toDouble() / floor, 2};
        out << QStringLiteral("  %1 %2 lines: find %3 ms, floor %4 ms, x%5 (%6 rows shown at the "
                              "top)\n")
                   .arg(row[QStringLiteral("kind")].toString(), -12)
                   .arg(row[QStringLiteral("lines")].toInt(), 8)
                   .arg(fixed(row[QStringLiteral("find_ms")].toDouble()), fixed(floor),
                        fixed(row[QStringLiteral("find_ms")].toDouble() / floor, 2))
                   .arg(row[QStringLiteral("find_rows_shown")].toInt());
    }
    qsizetype met = 0;
    for (const Target& target : std::as_const(targets))
        met += target.met();
    out << "\nWhat users wait for: " << met << " of " << targets.size() << " targets met\n";
    for (const Target& target : std::as_const(targets)) {
        if (!target.met())
            out << "  NOT met: " << target.what << ": " << fixed(target.value, 2) << " > "
                << fixed(target.limit, 2) << "\n";
    }
    out.flush();
}

QJsonArray growth(const QJsonArray& editors)
{
    QJsonArray rows;
    for (BenchKind kind : kinds) {
        QJsonObject small, large;
        for (const QJsonValue& value : editors) {
            const QJsonObject row = value.toObject();
            if (row[QStringLiteral("kind")].toString() != kindName(kind))
                continue;
            if (row[QStringLiteral("lines")].toInt() == 100000)
                small = row;
            if (row[QStringLiteral("lines")].toInt() == 1000000)
                large = row;
        }
        if (small.isEmpty() || large.isEmpty())
            continue;
        rows.append(QJsonObject{
            {QStringLiteral("kind"), kindName(kind)},
            {QStringLiteral("open_growth"), large[QStringLiteral("open_ms")].toDouble() /
                                                small[QStringLiteral("open_ms")].toDouble()},
            {QStringLiteral("save_growth"), large[QStringLiteral("save_ms")].toDouble() /
                                                small[QStringLiteral("save_ms")].toDouble()}});
    }
    return rows;
}

QJsonObject measureCommands(BenchKind kind, int lines, const QTemporaryDir& dir)
{
    const QString folder = dir.path() + QStringLiteral("/commands %1").arg(int(kind));
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/CstProcs.dat");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(generateFile(kind, lines));
    file.close();
    QJsonObject row =
        runChild({QStringLiteral("--interactions"), kindName(kind), path}, dir.path());
    // "t" is in every node's text of these files: the view shows them all.
    const QJsonObject found =
        runChild({QStringLiteral("--find"), kindName(kind), path, QStringLiteral("t")}, dir.path());
    for (const QString& key : found.keys())
        row.insert(key, found.value(key));
    row.insert(QStringLiteral("kind"), kindName(kind));
    row.insert(QStringLiteral("lines"), lines);
    return row;
}

int orchestrate(bool quick, const QString& outPath, const QString& only)
{
    QTemporaryDir dir;
    const QList<int> sizes =
        quick ? QList<int>{1000, 10000, 100000} : QList<int>{1000, 10000, 100000, 1000000};
    const int repeats = quick ? 1 : 3;
    QJsonObject results{{QStringLiteral("machine"), machine()}};
    results.insert(QStringLiteral("startup"), measureStartUp(quick ? 5 : 21, dir.path()));
    QJsonArray editors;
    for (BenchKind kind : kinds) {
        if (!only.isEmpty() && kindName(kind) != only)
            continue;
        for (int lines : sizes) {
            std::fprintf(stderr, "%s, %d lines\n", qPrintable(kindName(kind)), lines);
            editors.append(measureCase(kind, lines, repeats, dir));
        }
    }
    results.insert(QStringLiteral("editors"), editors);
    results.insert(QStringLiteral("scaling"), growth(editors));
    QJsonArray interactions;
    for (BenchKind kind : {BenchKind::Toolbar, BenchKind::Procedures, BenchKind::MimeTypes}) {
        for (int lines : {10000, 1000000}) {
            if ((quick && lines > 100000) || (!only.isEmpty() && kindName(kind) != only))
                continue;
            interactions.append(measureCommands(kind, lines, dir));
        }
    }
    results.insert(QStringLiteral("interactions"), interactions);
    QJsonObject bareViews;
    for (int lines : {10000, 1000000}) {
        if (!quick || lines <= 100000)
            bareViews.insert(QString::number(lines),
                             runChild({QStringLiteral("--bare-views"), QString::number(lines)},
                                      dir.path()));
    }
    results.insert(QStringLiteral("bare_views"), bareViews);
    results.insert(QStringLiteral("picker"),
                   runChild({QStringLiteral("--picker"), QStringLiteral("10000")}, dir.path()));
    printTable(results);
    QFile out(outPath);
    if (out.open(QIODevice::WriteOnly))
        out.write(QJsonDocument(results).toJson());
    return 0;
}

int runChildCase(const QStringList& arguments)
{
    QJsonObject result;
    if (arguments[1] == QLatin1String("--editor"))
        result = measureEditor(kindFromName(arguments[2]), arguments[3]);
    else if (arguments[1] == QLatin1String("--paste"))
        result = measurePaste(kindFromName(arguments[2]), arguments[3]);
    else if (arguments[1] == QLatin1String("--find"))
        result = measureFind(kindFromName(arguments[2]), arguments[3], arguments[4]);
    else if (arguments[1] == QLatin1String("--floor"))
        result = measureFloors(kindFromName(arguments[2]), arguments[3]);
    else if (arguments[1] == QLatin1String("--picker"))
        result = measurePicker(arguments[2].toInt());
    else if (arguments[1] == QLatin1String("--generate")) {
        // For timing one case by hand: the file that the run would make.
        QFile file(arguments[4]);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(generateFile(kindFromName(arguments[2]), arguments[3].toInt()));
        return 0;
    } else if (arguments[1] == QLatin1String("--bare-views"))
        result = measureBareViews(arguments[2].toInt());
    else
        result = measureInteractions(kindFromName(arguments[2]), arguments[3]);
    std::fputs(QJsonDocument(result).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedApplication application(argc, argv);
    setUpApplication(application);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1 && arguments[1].startsWith(QLatin1String("--")) &&
        arguments[1] != QLatin1String("--quick") && arguments[1] != QLatin1String("--out") &&
        arguments[1] != QLatin1String("--only"))
        return runChildCase(arguments);
    const bool quick = arguments.contains(QStringLiteral("--quick"));
    const qsizetype onlyAt = arguments.indexOf(QStringLiteral("--only"));
    const QString only =
        onlyAt > 0 && onlyAt + 1 < arguments.size() ? arguments[onlyAt + 1] : QString();
    const qsizetype out = arguments.indexOf(QStringLiteral("--out"));
    const QString outPath = out > 0 && out + 1 < arguments.size()
                                ? arguments[out + 1]
                                : QStringLiteral("bench-results.json");
    return orchestrate(quick, outPath, only);
}
