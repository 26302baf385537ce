// The main window's device commands: Write, Read and Get Signal Strength start the protocol once the controller is
// found, one operation at a time; an operation that loses its controller ends with a box and a log line.
#include "ui/MainForm.h"
#include "ui/SignalStrengthForm.h"

#include <QPushButton>

void TMainForm::WriteButtonClick()
{
    CollectForm();
    if (ConnectDevice() == ConnectResult::Ready)
        Protocol.StartWrite();
    UpdateDeviceCommands();
}

void TMainForm::ReadButtonClick()
{
    if (ConnectDevice() == ConnectResult::Ready)
        Protocol.StartRead();
    UpdateDeviceCommands();
}

void TMainForm::SignalStrengthButtonClick()
{
    if (m_signalStrengthForm) {
        if (!m_signalStrengthForm->isVisible())
            m_signalStrengthForm->move(geometry().center() - m_signalStrengthForm->rect().center());
        m_signalStrengthForm->show();
        m_signalStrengthForm->raise();
        m_signalStrengthForm->activateWindow();
    }
    RequestSignalStrength();
}

void TMainForm::RequestSignalStrength()
{
    if (ConnectDevice() == ConnectResult::Ready)
        Protocol.StartSignalStrength();
    UpdateDeviceCommands();
}

void TMainForm::UpdateDeviceCommands()
{
    const bool idle = !Protocol.OperationInProgress();
    for (QPushButton* button : { WriteButton, ReadButton, SignalStrengthButton })
        button->setEnabled(idle);
    if (m_signalStrengthForm)
        m_signalStrengthForm->RefreshButton->setEnabled(idle);
    if (idle)
        unsetCursor();
    else
        setCursor(Qt::BusyCursor);
}

void TMainForm::EndUnfinishedOperation(const QString& text)
{
    const Operation operation = Protocol.CurrentOperation();
    Protocol.ProtocolState = ProtocolStates::Idle;
    UpdateDeviceCommands();
    if (operation == Operation::None)
        return;
    ShowError(text);
    if (operation == Operation::Write)
        Log(QStringLiteral("Write not completed."));
    else if (operation == Operation::Read)
        Log(QStringLiteral("Read not completed."));
    else
        Log(QStringLiteral("Signal strength not completed."));
}

ConnectResult TMainForm::ConnectDevice()
{
    const ConnectResult result = m_link->ConnectDevice();
    if (result == ConnectResult::ProgramMode)
        ShowError(QStringLiteral("QUILMOX is in Program Mode"));
    else if (result == ConnectResult::NotFound)
        ShowError(QStringLiteral("Cannot find QUILMOX"));
    return result;
}

void TMainForm::SendReport(const TReport& report)
{
    m_link->SendReport(report);
}

void TMainForm::AppendLog(const QString& line)
{
    Log(line);
}

void TMainForm::ShowError(const QString& text)
{
    MessageDlg(text, TMsgDlgType::mtError, TMsgDlgButtons::mbOK, 0);
}

void TMainForm::ShowInformation(const QString& text)
{
    MessageDlg(text, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK, 0);
}

void TMainForm::ShowSignalStrength(int value)
{
    if (m_signalStrengthForm)
        m_signalStrengthForm->ShowSignalStrength(value);
}
