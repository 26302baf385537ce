// Any text may be typed; when the field is left, a number outside the limits becomes the nearer limit and text
// that is not a number gives way to the last value.
#include "ui/controls/CSpinEdit.h"

#include <algorithm>

namespace {

bool ParseWhole(const QString& text, qlonglong& number)
{
    bool ok = false;
    number = text.trimmed().toLongLong(&ok, 10);
    return ok;
}

} // namespace

TCSpinEdit::TCSpinEdit(int minValue, int maxValue, QWidget* parent)
    : QSpinBox(parent)
{
    setRange(minValue, maxValue);
    setSingleStep(1);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

int TCSpinEdit::Value()
{
    interpretText();
    return value();
}

void TCSpinEdit::SetValue(int value)
{
    setValue(value);
}

QValidator::State TCSpinEdit::validate(QString& input, int& /*pos*/) const
{
    qlonglong number = 0;
    if (ParseWhole(input, number) && number >= minimum() && number <= maximum())
        return QValidator::Acceptable;
    // Everything else may stand while it is being typed; fixup judges it when the field is left.
    return QValidator::Intermediate;
}

void TCSpinEdit::fixup(QString& input) const
{
    qlonglong number = 0;
    if (ParseWhole(input, number))
        input = QString::number(std::clamp<qlonglong>(number, minimum(), maximum()));
}
