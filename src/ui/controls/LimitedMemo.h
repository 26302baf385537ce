// The message memo: lines wrap, the Enter key inserts no line break, and typing or pasting stops at the limit.
// Text set by code is never cut.
#pragma once

#include <QPlainTextEdit>

class TLimitedMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TLimitedMemo(int typingLimit, QWidget* parent = nullptr);

    int TypingLimit() const { return m_typingLimit; }
    // The memo's lines in order, each as the operator sees it once wrapping is undone.
    QStringList Lines() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    template <typename Edit> void Guarded(Edit edit);

    int m_typingLimit;
};
