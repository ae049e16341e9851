#pragma once

#include "common/TwoLevelModel.h"
#include "procedures/ProceduresDocument.h"

// The procedures panel as a tree: sections at the top level, shown by their captions, and their
// procedures below. CodeRole gives a procedure's code in file form. Sections neither come nor
// go nor move: their numbers are what the file keeps of them.
class ProceduresModel : public TwoLevelModel
{
    Q_OBJECT

public:
    enum Role { CodeRole = Qt::UserRole + 1 };

    explicit ProceduresModel(QObject* parent = nullptr);

    const ProceduresDocument& document() const { return m_document; }
    void setDocument(ProceduresDocument document);

    const ProcedureSection& section(int row) const;
    const Procedure& procedure(TreePosition at) const;

    // Procedures as the editing steps take them: siblings from first on, in one section.
    // insertNodes moves the procedures out of the list it is given, and leaves them there when
    // it runs out of memory.
    using Node = Procedure;
    using Document = ProceduresDocument;
    Procedure node(TreePosition at) const { return procedure(at); }
    void insertNodes(TreePosition first, QList<Procedure>& procedures);
    QList<Procedure> takeNodes(TreePosition first, int count);
    void setNode(TreePosition at, const Procedure& procedure);
    // To any place in any section; to counts as after the move.
    void moveNode(TreePosition from, TreePosition to) override;

    bool nodeMatches(TreePosition at, const TextMatch& match) const override;
    void appendChildMatches(int top, const TextMatch& match,
                            std::vector<char>& matches) const override;
    QVariant data(const QModelIndex& index, int role) const override;

protected:
    int topCount() const override;
    int childCount(int top) const override;
    bool topsMove() const override { return false; }

private:
    ProceduresDocument m_document;
};
