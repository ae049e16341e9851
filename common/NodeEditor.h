#pragma once

#include "common/EditorWindow.h"
#include "common/ErrorGuard.h"
#include "common/Modal.h"

// The part of an editor that knows its model's nodes: every change of a node is a step on the
// undo stack, named after the node. An editor gives what is its own, at this level alone: the
// dialog for a node, where a paste goes, how a node is named and copied, and which nodes the
// commands act on.
template <class Model> class NodeEditor : public EditorWindow
{
public:
    using Node = typename Model::Node;
    using Document = typename Model::Document;
    using Reader = LineFileRead<Document> (*)(LineSource&);
    using Writer = void (*)(LineSink&, const Document&);

protected:
    // Nodes to paste, and where the first of them goes; or why nothing can be pasted.
    struct Paste
    {
        QList<Node> nodes;
        TreePosition first;
        QString refusal;
    };

    NodeEditor(QWidget* parent, HostFile file, const HostOptions& options,
               const QString& placementKey, Reader reader, Writer writer)
        : EditorWindow(parent, file, options, placementKey), m_model(new Model(this)),
          m_reader(reader), m_writer(writer)
    {
    }

    Model* model() const { return m_model; }

    // Reads the editor's file into the model, shows what stopped the reader, and selects the
    // first node, so that the commands act on what the view shows as current.
    void load()
    {
        const Reader reader = m_reader;
        runGuarded(this, [&] {
            LineFileRead<Document> read = editedFile().read(reader);
            takeDocument(std::move(read.document));
            if (read.dropped.count() > 0)
                showDroppedText(read.dropped);
            if (read.stoppedBy)
                reportError(this, read.stoppedBy->message());
        });
        showNode({0, -1});
        runGuarded(this, [&] { offerLeftCopy(reader); });
    }

    // The model makes room for the rows that show the document before it takes it: a document
    // that memory cannot show counts as not read.
    void takeDocument(Document document)
    {
        try {
            m_model->setDocument(std::move(document));
        } catch (const std::bad_alloc&) {
            throw editedFile().tooLargeToRead();
        }
    }

    // A copy of the file from before a save that was cut short can become the document, as a
    // step: the user sees it and decides at OK.
    void offerLeftCopy(Reader reader)
    {
        const QString copy = editedFile().leftCopy();
        if (copy.isEmpty() || !Modal::confirm(this, leftCopyQuestion(copy)))
            return;
        LineFileRead<Document> read = readLineFileBytes(WholeFile::read(copy), copy, reader);
        if (read.stoppedBy)
            throw *read.stoppedBy;
        push(new ReplaceDocument<Model>(*m_model, std::move(read.document), putBackStepText(),
                                        putBackApplied(copy)));
        showNode({0, -1});
    }

    // New: the node's dialog, started from blank; the node goes to at and leaves the selection
    // where it was.
    void addNode(TreePosition at, const Node& blank)
    {
        if (const std::optional<Node> node = askNode(blank))
            push(new InsertNodes<Model>(*m_model, at, {*node}, addStepText(title(*node)),
                                        selector(), false));
    }

    // The dialog for a node: the node as the user left it on OK, nothing on Cancel.
    virtual std::optional<Node> askNode(const Node& node) = 0;
    // The question before Remove.
    virtual QString removeQuestion() const = 0;
    // Whether Edit, Remove and the clipboard act on the node: any node, unless an editor says.
    virtual bool isEditable(TreePosition at) const { return at.isValid(); }
    // Whether a paste of the text could go anywhere with that node selected.
    virtual bool canPaste(const QString& text, TreePosition) const { return !text.isEmpty(); }
    // What the clipboard's text holds, and where it goes with that node selected.
    virtual Paste readPaste(const QString& text, TreePosition selected) const = 0;
    // A node as an undo step names it (tag "Bold"), and several (3 tags).
    virtual QString title(const Node& node) const = 0;
    virtual QString titleOfMany(const QList<Node>& nodes) const = 0;
    // A node as the file's lines, for the clipboard.
    virtual QString clipboardText(const Node& node) const = 0;

private:
    bool isEditableNode(TreePosition at) const final { return isEditable(at); }
    QString removeQuestionText() const final { return removeQuestion(); }
    bool canPasteText(const QString& text, TreePosition selected) const final
    {
        return canPaste(text, selected);
    }
    void writeDocument(LineSink& lines) const final { m_writer(lines, m_model->document()); }

    QString nodeTitle(TreePosition at) const final { return title(m_model->node(at)); }

    void editNode(TreePosition at) final
    {
        const Node node = m_model->node(at);
        const std::optional<Node> edited = askNode(node);
        if (edited && *edited != node)
            push(new ReplaceNode<Model>(*m_model, at, *edited, changeStepText(title(*edited)),
                                        selector()));
    }

    void removeNode(TreePosition at, const QString& stepText) final
    {
        push(new RemoveNode<Model>(*m_model, at, stepText, selector()));
    }

    QString nodeText(TreePosition at) const final { return clipboardText(m_model->node(at)); }

    // The nodes are all made before the model is touched, and the model makes room for them
    // before it changes: running out of memory leaves the document and the undo stack as they
    // were.
    void pasteText(const QString& text, TreePosition selected) final
    {
        try {
            Paste paste = readPaste(text, selected);
            if (!paste.refusal.isEmpty()) {
                Modal::refuse(this, paste.refusal);
                return;
            }
            const QString what = paste.nodes.size() == 1 ? title(paste.nodes.first())
                                                         : titleOfMany(paste.nodes);
            push(new InsertNodes<Model>(*m_model, paste.first, std::move(paste.nodes),
                                        pasteStepText(what), selector(), true));
        } catch (const std::bad_alloc&) {
            Modal::refuse(this, pasteTooLargeText());
        }
    }

    Model* m_model;
    Reader m_reader;
    Writer m_writer;
};
