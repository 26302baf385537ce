// The bar's text is the value itself, so that a reading above the bar's maximum still shows what arrived.
#include "ui/SignalStrengthForm.h"

#include "ui/ToolkitServices.h"

#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

TSignalStrengthForm* SignalStrengthForm = nullptr;

namespace {

constexpr int kSignalMax = 30;

} // namespace

TSignalStrengthForm::TSignalStrengthForm(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("SignalStrengthForm"));
    setWindowTitle(QStringLiteral("SignalStrengthForm"));
    setFont(ToolkitFont());
    resize(355, 146);

    SignalStrenthAdvSmoothProgressBar = new QProgressBar(this);
    SignalStrenthAdvSmoothProgressBar->setObjectName(QStringLiteral("SignalStrenthAdvSmoothProgressBar"));
    SignalStrenthAdvSmoothProgressBar->setGeometry(16, 32, 315, 17);
    SignalStrenthAdvSmoothProgressBar->setRange(0, kSignalMax);
    SignalStrenthAdvSmoothProgressBar->setTextVisible(true);
    SignalStrenthAdvSmoothProgressBar->setAlignment(Qt::AlignCenter);
    SignalStrenthAdvSmoothProgressBar->setStyleSheet(QStringLiteral(
        "QProgressBar { background: rgb(175, 210, 255); border: 1px solid silver; color: palette(window-text); }"
        "QProgressBar::chunk { border: 1px solid rgb(173, 209, 255); background: qlineargradient(x1:0, y1:0, "
        "x2:0, y2:1, stop:0 lime, stop:0.5 green, stop:1 lime); }"));
    ShowSignalStrength(0);

    // Created in tab order: Close, then Refresh.
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry(256, 88, 75, 25);
    RefreshButton = new QPushButton(QStringLiteral("Refresh"), this);
    RefreshButton->setObjectName(QStringLiteral("RefreshButton"));
    RefreshButton->setGeometry(16, 88, 75, 25);

    SignalStrenthAdvSmoothProgressBar->setAccessibleName(QStringLiteral("Signal strength"));
    RefreshButton->setAccessibleName(QStringLiteral("Refresh signal strength"));
    CloseButton->setAccessibleName(QStringLiteral("Close signal strength window"));

    connect(RefreshButton, &QPushButton::clicked, this, &TSignalStrengthForm::RefreshButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TSignalStrengthForm::CloseButtonClick);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &TSignalStrengthForm::CloseButtonClick);
}

void TSignalStrengthForm::ShowSignalStrength(int value)
{
    // QProgressBar ignores a value outside its range and would go on showing the previous one.
    SignalStrenthAdvSmoothProgressBar->setValue(qBound(0, value, kSignalMax));
    SignalStrenthAdvSmoothProgressBar->setFormat(QString::asprintf("%.0f", double(value)));
}

void TSignalStrengthForm::RefreshButtonClick()
{
    emit refreshRequested();
}

void TSignalStrengthForm::CloseButtonClick()
{
    hide();
}
