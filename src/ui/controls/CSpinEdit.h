// A whole-number entry kept within MinValue ... MaxValue, with arrows that step by one.
#pragma once

#include <QSpinBox>

class TCSpinEdit : public QSpinBox
{
    Q_OBJECT

public:
    explicit TCSpinEdit(int minValue, int maxValue, QWidget* parent = nullptr);

    // The value as the text stands now: typed text is judged first, so the result always lies within the limits.
    int Value();
    // A value outside the limits is held as the nearer limit.
    void SetValue(int value);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};
