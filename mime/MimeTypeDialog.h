#pragma once

#include "mime/MimeTypesDocument.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class MimeTypeDialog;
}

// One MIME type and its suffix; the focus starts on OK. Nothing typed is changed, and only what
// the file cannot hold (a character outside its code page) is refused.
class MimeTypeDialog : public QDialog
{
    Q_OBJECT

public:
    MimeTypeDialog(QWidget* parent, const MimeType& type);
    ~MimeTypeDialog() override;

    // The type as the user left it on OK; nothing on Cancel.
    static std::optional<MimeType> edit(QWidget* parent, const MimeType& type);

    MimeType type() const;

public slots:
    void accept() override;

private:
    std::unique_ptr<Ui::MimeTypeDialog> ui;
};
