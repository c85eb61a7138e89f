#include "Vexbus/EditBox.h"

#include "Vexbus/EditBoxValidator.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>

EditBox::EditBox(QWidget* parent, bool upperCase, bool autoHScroll)
    : QLineEdit(parent), m_upperCase(upperCase), m_autoHScroll(autoHScroll)
{
    // Connected first, so that the previous text is current before anyone hears of a change.
    connect(this, &QLineEdit::textChanged, this, &EditBox::OnTextChanged);
    setValidator(new EditBoxValidator(this));
}

void EditBox::SetLimitText(int limit)
{
    m_limit = limit;
}

bool EditBox::FitsWidth(const QString& text) const
{
    // QLineEdit keeps two pixels of its own on each side of the text and one for the cursor.
    constexpr int kInnerMargin = 2;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    return fontMetrics().horizontalAdvance(text) + 1 <= contents.width() - 2 * kInnerMargin;
}

bool EditBox::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonRelease:
    case QEvent::Drop:
    case QEvent::ContextMenu: {
        const QScopedValueRollback<bool> user(m_userInput, true);
        return QLineEdit::event(e);
    }
    default: return QLineEdit::event(e);
    }
}

void EditBox::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    emit FocusIn();
}

void EditBox::contextMenuEvent(QContextMenuEvent* e)
{
    // Runs the menu inside this event, so that its Paste counts as the user's input.
    const QPointer<QMenu> menu = createStandardContextMenu();
    menu->exec(e->globalPos());
    delete menu;
}

void EditBox::OnTextChanged(const QString& text)
{
    m_previousText = text;
    // Whatever the handlers set now is the program's text, even inside a key press.
    const QScopedValueRollback<bool> program(m_userInput, false);
    emit Changed();
}
