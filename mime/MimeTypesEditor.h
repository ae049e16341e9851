#pragma once

#include "common/NodeEditor.h"
#include "mime/MimeTypesModel.h"

#include <memory>

namespace Ui {
class MimeTypesEditor;
}
class HostOptions;

// The list of MIME types and their suffixes, written back whole by OK.
class MimeTypesEditor : public NodeEditor<MimeTypesModel>
{
    Q_OBJECT

public:
    MimeTypesEditor(QWidget* parent, const HostOptions& options);
    ~MimeTypesEditor() override;

public slots:
    // A new type goes last.
    void addType();

protected:
    QString removeQuestion() const override;
    std::optional<MimeType> askNode(const MimeType& type) override;
    Paste readPaste(const QString& text, TreePosition selected) const override;
    QString title(const MimeType& type) const override;
    QString titleOfMany(const QList<MimeType>& types) const override;
    QString clipboardText(const MimeType& type) const override;

private:
    void setUpList();

    std::unique_ptr<Ui::MimeTypesEditor> ui;
};
