// Every way the operator can add text (keys, input methods, paste and drop) passes through one guard that undoes
// whatever part of the insertion goes beyond the limit. Line breaks do not count: they are not stored.
#include "ui/controls/LimitedMemo.h"

#include "ui/controls/TypingLimit.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>

TLimitedMemo::TLimitedMemo(int typingLimit, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_typingLimit(typingLimit)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
}

QStringList TLimitedMemo::Lines() const
{
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    if (lines.size() == 1 && lines.constFirst().isEmpty())
        lines.clear();
    return lines;
}

template <typename Edit> void TLimitedMemo::Guarded(Edit edit)
{
    const QString before = document()->toRawText();
    edit();
    const QString after = document()->toRawText();
    const TFittedEdit fitted = FitTyping(before, after, m_typingLimit, CountWithoutLineBreaks);
    if (fitted.Cursor < 0)
        return;
    setPlainText(QString(fitted.Text).replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
    QTextCursor cursor = textCursor();
    cursor.setPosition(fitted.Cursor);
    setTextCursor(cursor);
}

void TLimitedMemo::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    Guarded([&] { QPlainTextEdit::keyPressEvent(event); });
}

void TLimitedMemo::inputMethodEvent(QInputMethodEvent* event)
{
    Guarded([&] { QPlainTextEdit::inputMethodEvent(event); });
}

void TLimitedMemo::insertFromMimeData(const QMimeData* source)
{
    Guarded([&] { QPlainTextEdit::insertFromMimeData(source); });
}
