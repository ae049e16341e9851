#pragma once

#include "common/Form.h"
#include "common/LineFile.h"

#include <QStringList>

#include <memory>

namespace Ui {
class ProceduresEditorWindow;
}
class HostOptions;
class QTreeWidgetItem;

// The editor of the procedures file: sections and procedures in a tree, the selected
// procedure's code in a preview; the file is read when the window is created and written on OK.
class ProceduresEditorWindow : public Form
{
    Q_OBJECT

public:
    ProceduresEditorWindow(QWidget* parent, const HostOptions& options);
    ~ProceduresEditorWindow() override;

protected:
    void onCreate() override;

private:
    void connectHandlers();
    void FormDestroy();
    void tvItemsChange(QTreeWidgetItem* node);
    void tvItemsDblClick(QTreeWidgetItem* node);
    void tvItemsCollapsed(QTreeWidgetItem* node);
    void btnNewCodeClick();
    void btnEditClick();
    void btnRemoveClick();
    void btnOkClick();

    QTreeWidgetItem* selectedNode() const;
    QTreeWidgetItem* selectedProcedure() const;
    bool askProcedure(QString& caption, QString& code);

    std::unique_ptr<Ui::ProceduresEditorWindow> ui;
    const HostOptions& m_options;
    ReadExtent m_extent = ReadExtent::NoFile;
    QString m_loadedPath; // the file that m_extent is about
    QStringList Codes;
};
