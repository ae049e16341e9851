#include "toolbar/TagPropertiesWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/Modal.h"
#include "toolbar/ImageIndexChooser.h"
#include "ui_TagPropertiesWindowUnit.h"

TagPropertiesWindow::TagPropertiesWindow(QWidget* parent, const ImageList& images)
    : Form(parent), ui(std::make_unique<Ui::TagPropertiesWindow>())
{
    ui->setupUi(this);
    ui->btnSelTextMacro->setIcon(glyphIcon(Glyph::SelectedTextMacro));
    ui->btnNewLineMacro->setIcon(glyphIcon(Glyph::NewLineMacro));
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    m_imageChooser =
        new ImageIndexChooser(ui->spnImageIndex, ui->imgChosen, ui->imgChosenEnlarged, images);

    connectGuarded(ui->btnSelTextMacro, &QPushButton::clicked, this,
                   &TagPropertiesWindow::btnSelTextMacroClick);
    connectGuarded(ui->btnNewLineMacro, &QPushButton::clicked, this,
                   &TagPropertiesWindow::btnNewLineMacroClick);
    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
}

TagPropertiesWindow::~TagPropertiesWindow() = default;

void TagPropertiesWindow::setFields(const TagFields& fields)
{
    ui->txtCaption->setText(fields.caption);
    ui->txtTag->setText(fields.tag);
    m_imageChooser->setImageIndex(fields.imageIndex);
}

TagFields TagPropertiesWindow::fields() const
{
    return {ui->txtCaption->text(), ui->txtTag->text(), m_imageChooser->imageIndex()};
}

void TagPropertiesWindow::btnSelTextMacroClick()
{
    ui->txtTag->insert(QStringLiteral("%1"));
}

void TagPropertiesWindow::btnNewLineMacroClick()
{
    ui->txtTag->insert(QStringLiteral("%2"));
}

void TagPropertiesWindow::btnOkClick()
{
    const QChar colon = QLatin1Char(':');
    if (ui->txtTag->text().contains(colon) || ui->txtCaption->text().contains(colon)) {
        Modal::refuse(this, tr("Invalid char \":\" in tag or caption"));
        keepOpen();
    }
}
