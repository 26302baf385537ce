// QLineEdit::maxLength would also cut text set by code, which must show a stored text in its full width; so the
// limit is enforced on the operator's edits alone, which QLineEdit reports through textEdited.
#include "ui/controls/LimitedEdit.h"

#include "ui/controls/TypingLimit.h"

TLimitedEdit::TLimitedEdit(int typingLimit, QWidget* parent)
    : QLineEdit(parent)
    , m_typingLimit(typingLimit)
{
    connect(this, &QLineEdit::textEdited, this, &TLimitedEdit::OnTextEdited);
    // textEdited comes before textChanged, so m_accepted still holds the text from before the edit there; and
    // textChanged may still carry a text that OnTextEdited has just refused, so the edit's own text is taken.
    connect(this, &QLineEdit::textChanged, this, [this] { m_accepted = text(); });
}

void TLimitedEdit::OnTextEdited(const QString& text)
{
    const TFittedEdit fitted = FitTyping(m_accepted, text, m_typingLimit, CountAll);
    if (fitted.Cursor < 0)
        return;
    setText(fitted.Text);
    setCursorPosition(fitted.Cursor);
}
