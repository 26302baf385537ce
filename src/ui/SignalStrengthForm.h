// The signal strength window: the GSM signal strength the controller reported, as a bar from 0 to 30.
#pragma once

#include <QWidget>

class QProgressBar;
class QPushButton;

class TSignalStrengthForm : public QWidget
{
    Q_OBJECT

public:
    explicit TSignalStrengthForm(QWidget* parent = nullptr);

    // Shows the value on the bar; the window itself stays as it is.
    void ShowSignalStrength(int value);

    QProgressBar* SignalStrenthAdvSmoothProgressBar = nullptr;
    QPushButton* RefreshButton = nullptr;
    QPushButton* CloseButton = nullptr;

signals:
    // The operator asks the controller again.
    void refreshRequested();

private:
    void RefreshButtonClick();
    void CloseButtonClick();
};

// The application's signal strength window, filled in at start-up.
extern TSignalStrengthForm* SignalStrengthForm;
