#include "common/FileNote.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

FileNote::FileNote(const QString& text, const QString& linkText, QWidget* parent)
    : QFrame(parent), m_text(new QLabel(this))
{
    setObjectName(QStringLiteral("fileNote"));
    setFrameShape(QFrame::StyledPanel);
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    m_text->setObjectName(QStringLiteral("fileNoteText"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::RichText);
    m_text->setText(text.toHtmlEscaped() +
                    QStringLiteral(" <a href=\"#\">%1</a>").arg(linkText.toHtmlEscaped()));
    m_text->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_text->setAccessibleName(text);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("fileNoteCloseButton"));
    close->setAutoRaise(true);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(tr("Close this note"));
    close->setAccessibleName(tr("Close this note"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addWidget(m_text, 1);
    layout->addWidget(close, 0, Qt::AlignTop);
    connect(m_text, &QLabel::linkActivated, this, &FileNote::linkActivated);
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
}

// A tint of the palette's highlight over its window colour, so that the note stands out in a
// light palette and a dark one alike while its text keeps the window's text colour.
void FileNote::paintEvent(QPaintEvent* event)
{
    const QColor window = palette().color(QPalette::Window);
    const QColor highlight = palette().color(QPalette::Highlight);
    const auto mix = [](int a, int b) { return (a * 4 + b) / 5; };
    QPainter(this).fillRect(rect(), QColor(mix(window.red(), highlight.red()),
                                           mix(window.green(), highlight.green()),
                                           mix(window.blue(), highlight.blue())));
    QFrame::paintEvent(event);
}
