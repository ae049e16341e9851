#include "procedures/ProcsFile.h"

#include "common/HostOptions.h"
#include "platform/StrUtils.h"
#include "platform/WholeFile.h"

#include <QTreeWidget>

namespace {

const QString crLf = QStringLiteral("\r\n");
const QString newLineMacro = QStringLiteral("%2");
const QChar codeMark = QLatin1Char('#');

// Long lines are cut in messages; the line number says where the rest is.
QString quoted(const QString& line)
{
    constexpr qsizetype shown = 60;
    if (line.size() <= shown)
        return QLatin1Char('"') + line + QLatin1Char('"');
    return QLatin1Char('"') + line.left(shown) + QStringLiteral("...\"");
}

AppError stoppedAt(const QString& fileName, qsizetype lineIndex, const QString& line,
                   const QString& why)
{
    return AppError(QStringLiteral("Line %1 of \"%2\": %3 %4. Reading stopped at this line.")
                        .arg(lineIndex + 1)
                        .arg(displayPath(fileName), quoted(line), why));
}

bool isSectionHeader(const QString& line)
{
    return line.startsWith(sectionHeaderStart);
}

// Only the ninth character counts; whatever follows it is ignored.
std::optional<int> sectionNumber(const QString& header)
{
    const qsizetype at = sectionHeaderStart.size();
    if (header.size() <= at || header[at] < QLatin1Char('0') || header[at] > QLatin1Char('9'))
        return std::nullopt;
    return header[at].unicode() - '0';
}

bool isCodeLine(const QString& line)
{
    return line.startsWith(codeMark);
}

QTreeWidgetItem* itemOf(const QString& text)
{
    return new QTreeWidgetItem(QStringList(text));
}

qsizetype nodeCount(const QTreeWidget& tvItems)
{
    qsizetype count = tvItems.topLevelItemCount();
    for (int i = 0; i < tvItems.topLevelItemCount(); ++i)
        count += tvItems.topLevelItem(i)->childCount();
    return count;
}

} // namespace

QString sectionCaption(int number)
{
    switch (number) {
    case 0:
        return QStringLiteral("Misc");
    case 1:
        return QStringLiteral("Output");
    case 2:
        return QStringLiteral("Input");
    }
    return QString();
}

ProcsSection& AddSection(ProcsModel& model, int number)
{
    model.sections.append(ProcsSection{sectionCaption(number), {}});
    model.Codes.append(QString::number(number));
    return model.sections.last();
}

ProcsParse parseProcsLines(const QStringList& lines, const QString& fileName)
{
    ProcsParse result;
    ProcsSection* section = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (isSectionHeader(line)) {
            const std::optional<int> number = sectionNumber(line);
            if (!number) {
                result.stoppedBy = stoppedAt(fileName, i, line,
                                             QStringLiteral("is not a valid section header: its "
                                                            "ninth character must be a digit "
                                                            "from 0 to 9"));
                break;
            }
            section = &AddSection(result.model, *number);
            continue;
        }
        // The writer never puts a procedure there, and it has no section to go to.
        if (!section) {
            result.stoppedBy = stoppedAt(fileName, i, line,
                                         QStringLiteral("is a procedure before the first "
                                                        "section header"));
            break;
        }
        section->procedures.append(line);
        if (i + 1 < lines.size() && isCodeLine(lines[i + 1]))
            result.model.Codes.append(lines[++i].mid(1));
        else
            result.model.Codes.append(line);
    }
    return result;
}

QStringList procsLines(const ProcsModel& model)
{
    QStringList lines;
    lines.reserve(model.Codes.size() * 2);
    qsizetype entry = 0;
    for (const ProcsSection& section : model.sections) {
        lines.append(sectionHeaderStart + model.Codes[entry++]);
        for (const QString& caption : section.procedures) {
            lines.append(caption);
            lines.append(codeMark + model.Codes[entry++]);
        }
    }
    return lines;
}

QString EncodeNewLines(const QString& text)
{
    return replaceAll(text, crLf, newLineMacro);
}

QString DecodeNewLines(const QString& text)
{
    return replaceAll(text, newLineMacro, crLf);
}

void fillProcsTree(QTreeWidget& tvItems, const ProcsModel& model)
{
    QList<QTreeWidgetItem*> items;
    items.reserve(model.sections.size());
    for (const ProcsSection& section : model.sections) {
        QTreeWidgetItem* item = itemOf(section.caption);
        QList<QTreeWidgetItem*> children;
        children.reserve(section.procedures.size());
        for (const QString& caption : section.procedures)
            children.append(itemOf(caption));
        item->addChildren(children);
        items.append(item);
    }
    tvItems.addTopLevelItems(items);
}

ProcsModel readProcsTree(const QTreeWidget& tvItems, const QStringList& Codes)
{
    const qsizetype nodes = nodeCount(tvItems);
    if (nodes != Codes.size())
        throw AppError(QStringLiteral("The code list holds %1 entries for %2 nodes of the tree; "
                                      "nothing was written.")
                           .arg(Codes.size())
                           .arg(nodes));
    ProcsModel model;
    model.Codes = Codes;
    model.sections.reserve(tvItems.topLevelItemCount());
    for (int i = 0; i < tvItems.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = tvItems.topLevelItem(i);
        ProcsSection section{item->text(0), {}};
        section.procedures.reserve(item->childCount());
        for (int j = 0; j < item->childCount(); ++j)
            section.procedures.append(item->child(j)->text(0));
        model.sections.append(std::move(section));
    }
    return model;
}

int absoluteIndex(QTreeWidgetItem& node)
{
    QTreeWidgetItem* parent = node.parent();
    QTreeWidgetItem* section = parent ? parent : &node;
    const QTreeWidget* tvItems = node.treeWidget();
    const int sectionIndex = tvItems->indexOfTopLevelItem(section);
    int index = 0;
    for (int i = 0; i < sectionIndex; ++i)
        index += 1 + tvItems->topLevelItem(i)->childCount();
    return parent ? index + 1 + parent->indexOfChild(&node) : index;
}

bool isProcedure(const QTreeWidgetItem& node)
{
    return node.parent() != nullptr;
}

QTreeWidgetItem* appendProcedure(QTreeWidgetItem& section, QStringList& Codes,
                                 const QString& caption, const QString& code)
{
    QTreeWidgetItem* procedure = itemOf(caption);
    section.addChild(procedure);
    Codes.insert(absoluteIndex(*procedure), code);
    return procedure;
}

void removeProcedure(QTreeWidgetItem* procedure, QStringList& Codes)
{
    Codes.removeAt(absoluteIndex(*procedure));
    delete procedure;
}

void LoadProcs(QTreeWidget& tvItems, QStringList& Codes, const HostOptions& options,
               ReadExtent& extent)
{
    Codes.clear();
    tvItems.clear();
    const QString path = proceduresFilePath(options);
    const LineFileText file = readLineFile(path, extent);
    ProcsParse parsed = parseProcsLines(file.lines, path);
    fillProcsTree(tvItems, parsed.model);
    Codes = std::move(parsed.model.Codes);
    if (parsed.stoppedBy) {
        extent = ReadExtent::Partial;
        throw *parsed.stoppedBy;
    }
}

void SaveProcs(const QTreeWidget& tvItems, const QStringList& Codes, const HostOptions& options)
{
    const QString path = proceduresFilePath(options);
    writeLineFile(path, procsLines(readProcsTree(tvItems, Codes)));
}
