#pragma once

#include "common/LineFile.h"
#include "platform/AppError.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class HostOptions;
class QTreeWidget;
class QTreeWidgetItem;

// A section of the procedures panel as the tree shows it: its caption and the captions of its
// procedures.
struct ProcsSection
{
    QString caption;
    QStringList procedures;

    friend bool operator==(const ProcsSection&, const ProcsSection&) = default;
};

// The panel's tree and its code list. Codes holds one entry per node in pre-order: a section's
// number as a digit, a procedure's code in file form (line breaks as "%2").
struct ProcsModel
{
    QList<ProcsSection> sections;
    QStringList Codes;

    friend bool operator==(const ProcsModel&, const ProcsModel&) = default;
};

struct ProcsParse
{
    ProcsModel model;
    // The line that stopped the read; the nodes read before it are in model, paired.
    std::optional<AppError> stoppedBy;
};

// "Misc", "Output", "Input" for 0 to 2, empty for the other numbers.
QString sectionCaption(int number);

// Appends a section for the number, with its Codes entry, and returns it.
ProcsSection& AddSection(ProcsModel& model, int number);

ProcsParse parseProcsLines(const QStringList& lines, const QString& fileName);
// Every procedure gets a code line, also when its code equals its caption.
QStringList procsLines(const ProcsModel& model);

QString EncodeNewLines(const QString& text);
QString DecodeNewLines(const QString& text);

// The caption's first eight characters that would make its line a section header.
inline const QString sectionHeaderStart = QStringLiteral("SECTION_");

// The editor's tree view holds the sections at the top level and their procedures below; the
// code list beside it is paired with its nodes by absolute index.
void fillProcsTree(QTreeWidget& tvItems, const ProcsModel& model);
// Throws when Codes is out of step with the tree, so that nothing mismatched is written.
ProcsModel readProcsTree(const QTreeWidget& tvItems, const QStringList& Codes);

// The node's place in a pre-order walk of the whole tree, counted from the section sizes before
// its section rather than by walking the nodes.
int absoluteIndex(QTreeWidgetItem& node);
bool isProcedure(const QTreeWidgetItem& node);
// Appends a procedure as the section's last child and inserts its code at its index.
QTreeWidgetItem* appendProcedure(QTreeWidgetItem& section, QStringList& Codes,
                                 const QString& caption, const QString& code);
// Deletes the procedure's Codes entry, then the node.
void removeProcedure(QTreeWidgetItem* procedure, QStringList& Codes);

// Replaces the tree and Codes by the procedures file; extent tells how much of the file they
// hold, also when a line stops the load (the error is thrown after they are filled).
void LoadProcs(QTreeWidget& tvItems, QStringList& Codes, const HostOptions& options,
               ReadExtent& extent);
// Replaces the procedures file by the tree and Codes.
void SaveProcs(const QTreeWidget& tvItems, const QStringList& Codes, const HostOptions& options);
