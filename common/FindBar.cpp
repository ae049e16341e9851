#include "common/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

FindBar::FindBar(QWidget* parent)
    : QWidget(parent), m_field(new QLineEdit(this)), m_counts(new QLabel(this)),
      m_closeButton(new QToolButton(this))
{
    setObjectName(QStringLiteral("findBar"));
    m_field->setObjectName(QStringLiteral("findEdit"));
    m_field->setPlaceholderText(tr("Find"));
    m_field->setAccessibleName(tr("Find"));
    m_field->setClearButtonEnabled(true);
    m_counts->setObjectName(QStringLiteral("findCounts"));
    m_closeButton->setObjectName(QStringLiteral("findCloseButton"));
    m_closeButton->setAutoRaise(true);
    m_closeButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_closeButton->setToolTip(tr("Close the find bar (Esc)"));
    m_closeButton->setAccessibleName(tr("Close the find bar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_field, 1);
    layout->addWidget(m_counts);
    layout->addWidget(m_closeButton);
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, &FindBar::textChanged);
    connect(m_closeButton, &QToolButton::clicked, this, &FindBar::close);
    hide();
}

QString FindBar::text() const
{
    return m_field->text();
}

void FindBar::open()
{
    show();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void FindBar::close()
{
    m_field->clear();
    hide();
    emit closed();
}

void FindBar::showCounts(qsizetype matches, qsizetype nodes)
{
    //: How many nodes the find bar found: "12 of 340".
    m_counts->setText(m_field->text().isEmpty() ? QString()
                                                : tr("%1 of %2").arg(matches).arg(nodes));
}

// Esc is the bar's before it is the window's: the first closes the bar, the next one cancels.
// Down and Enter go to the first match.
bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_field || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    // Enter would otherwise press the window's OK.
    if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit toFirstMatch();
        return true;
    }
    return false;
}
