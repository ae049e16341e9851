#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The files the benchmark opens, and the measurements taken in one process each, so that every
// peak memory figure belongs to one case alone.
enum class BenchKind { Toolbar, ToolbarOneCategory, Procedures, MimeTypes };

QString kindName(BenchKind kind);
BenchKind kindFromName(const QString& name);

// A file as the program itself writes it, of about the given number of lines.
QByteArray generateFile(BenchKind kind, int lines);

// Opens the kind's editor on the file (create handler done) and presses OK (file written).
QJsonObject measureEditor(BenchKind kind, const QString& path);
// Plain reading and writing of the same bytes, and filling and reading a bare Qt tree view with
// the same texts.
QJsonObject measureFloors(BenchKind kind, const QString& path);
// Single commands (select, New, Edit, Remove, a move, a paste, an undo) in the kind's editor on
// the file.
QJsonObject measureInteractions(BenchKind kind, const QString& path);
// The file's lines pasted at once into the kind's editor open on a small file, and the paste
// undone.
QJsonObject measurePaste(BenchKind kind, const QString& path);

// One letter typed into the find bar of the kind's editor, until the view shows the result,
// beside a plain loop that tests every text the find bar looks in with QString::contains.
QJsonObject measureFind(BenchKind kind, const QString& path, const QString& letter);

// Qt's table view and a flat tree view over a list whose rows cost nothing: a row inserted,
// removed and moved in the middle, and selected, as the editors do.
QJsonObject measureBareViews(int rows);

// The image picker opened and painted on a strip of that many images: its time, and the memory
// it takes beside the images themselves.
QJsonObject measurePicker(int images);

// The process's peak resident memory so far, in MiB.
double peakMemoryMiB();
