// A check box that enables its linked controls exactly while it is checked.
#pragma once

#include <QCheckBox>
#include <QList>
#include <QPointer>

class TJvCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit TJvCheckBox(QWidget* parent = nullptr);

    // The control follows the box from now on, starting with the box's present state.
    void AddLinkedControl(QWidget* control);
    QList<QWidget*> LinkedControls() const;

private:
    void UpdateLinkedControls(bool checked);

    QList<QPointer<QWidget>> m_linked;
};
