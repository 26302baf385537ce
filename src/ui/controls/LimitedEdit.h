// A one-line edit whose typing limit governs typing and pasting only; text set by code is never cut.
#pragma once

#include <QLineEdit>

class TLimitedEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TLimitedEdit(int typingLimit, QWidget* parent = nullptr);

    int TypingLimit() const { return m_typingLimit; }

private:
    void OnTextEdited(const QString& text);

    int m_typingLimit;
    QString m_accepted; // the text as it stood before the operator's latest edit
};
