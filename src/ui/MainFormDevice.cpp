// The main window's device commands: Write, Read, Get Signal Strength and Compare start the protocol once the
// controller is found, one operation at a time; an operation that loses its controller ends with a box and a log
// line. Keep refreshing's queries run between them.
#include "protocol/Transfer.h"
#include "ui/CompareDialog.h"
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

void TMainForm::CompareButtonClick()
{
    // Neither Config nor the snapshot changes: the form is collected into a block of the compare's own.
    m_compareForm = Config;
    CollectForm(m_compareForm);
    m_compareRead = Config;
    if (ConnectDevice() == ConnectResult::Ready)
        Protocol.StartCompare(m_compareRead);
    UpdateDeviceCommands();
}

void TMainForm::CompareReadComplete(const TConfigBlock& read)
{
    const std::vector<SettingDifference> differences = CompareTransferred(m_compareForm, read);
    if (differences.empty()) {
        Log(QStringLiteral("Compare complete: no differences"));
        ShowInformation(QStringLiteral("QUILMOX holds the settings shown."));
        return;
    }
    Log(QStringLiteral("Compare complete: %1 differences").arg(differences.size()));
    CompareDialog()->ShowDifferences(differences);
}

TCompareDialog* TMainForm::CompareDialog()
{
    if (!m_compareDialog) {
        m_compareDialog = new TCompareDialog(this);
        connect(m_compareDialog, &TCompareDialog::loadRequested, this, &TMainForm::LoadControllerSettings);
    }
    return m_compareDialog;
}

void TMainForm::LoadControllerSettings()
{
    // As the end of a Read: presented, no snapshot taken, so closing asks about saving what came in.
    Config = m_compareRead;
    PresentConfig();
    Log(QStringLiteral("Read Complete"));
}

void TMainForm::RequestSignalStrength()
{
    QuerySignalStrength(false);
}

void TMainForm::KeepRefreshingTick()
{
    if (LinkBusy())
        return;
    QuerySignalStrength(true);
}

void TMainForm::QuerySignalStrength(bool quietIdentity)
{
    m_quietIdentity = quietIdentity;
    if (ConnectDevice() == ConnectResult::Ready)
        Protocol.StartSignalStrength();
    UpdateDeviceCommands();
}

bool TMainForm::LinkBusy() const
{
    // A signal query's answer still on its way would be taken as the next operation's identity reply; a query sent
    // from within a box that holds the reader ("Read Complete") would wait for the box and then count as silent.
    return Protocol.OperationInProgress() || m_link->AwaitingAnswer() || m_inHandOver;
}

void TMainForm::UpdateDeviceCommands()
{
    const bool idle = !LinkBusy();
    for (QPushButton* button : { WriteButton, ReadButton, SignalStrengthButton, CompareButton })
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
    else if (operation == Operation::Compare)
        Log(QStringLiteral("Compare not completed."));
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
    // Every two seconds two identity lines would soon bury the log.
    if (m_quietIdentity && Protocol.CurrentOperation() == Operation::Signal)
        return;
    Log(line);
}

void TMainForm::ShowError(const QString& text)
{
    // Whatever failed, Keep refreshing stops first: its next tick would only bring the same box again.
    if (m_signalStrengthForm)
        m_signalStrengthForm->StopRefreshing();
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
