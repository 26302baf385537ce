// Linked controls follow the checked state however it changes: a click, the keyboard, or setChecked from code.
#include "ui/controls/JvCheckBox.h"

TJvCheckBox::TJvCheckBox(QWidget* parent)
    : QCheckBox(parent)
{
    connect(this, &QCheckBox::toggled, this, &TJvCheckBox::UpdateLinkedControls);
}

void TJvCheckBox::AddLinkedControl(QWidget* control)
{
    m_linked.append(control);
    control->setEnabled(isChecked());
}

QList<QWidget*> TJvCheckBox::LinkedControls() const
{
    QList<QWidget*> controls;
    for (const auto& control : m_linked) {
        if (control)
            controls.append(control);
    }
    return controls;
}

void TJvCheckBox::UpdateLinkedControls(bool checked)
{
    for (const auto& control : m_linked) {
        if (control)
            control->setEnabled(checked);
    }
}
