// The main window's device commands: Write, Read, Get Signal Strength and Compare hand the settings to the device
// session, which runs one operation at a time off the window's thread and tells how it ended. While one runs, the
// device commands and Load File wait, and closing during a write asks first.
#include "ui/CompareDialog.h"
#include "ui/MainForm.h"
#include "ui/SignalStrengthForm.h"
#include "ui/SiteWorkForm.h"

#include <QPushButton>

void TMainForm::ConnectSession()
{
    connect(&m_session, &TDeviceSession::busyChanged, this, &TMainForm::UpdateDeviceCommands);
    connect(&m_session, &TDeviceSession::logLine, this, &TMainForm::Log);
    connect(&m_session, &TDeviceSession::readComplete, this, [this](const TConfigBlock& read) {
        Config = read;
        PresentConfig();
    });
    connect(&m_session, &TDeviceSession::compareComplete, this, &TMainForm::CompareComplete);
    connect(&m_session, &TDeviceSession::signalValue, this, [this](int value) {
        if (m_signalStrengthForm)
            m_signalStrengthForm->ShowSignalStrength(value);
    });
    // The signal history holds one controller's values.
    connect(&m_session, &TDeviceSession::controllerChanged, this, [this] {
        if (m_signalStrengthForm)
            m_signalStrengthForm->ClearHistory();
    });
    connect(&m_session, &TDeviceSession::refreshingEnded, this, [this] {
        if (m_signalStrengthForm)
            m_signalStrengthForm->StopRefreshing();
    });
}

void TMainForm::WriteButtonClick()
{
    CollectForm();
    m_session.Write(Config);
}

void TMainForm::ReadButtonClick()
{
    m_session.Read(Config);
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
    TConfigBlock form = Config;
    CollectForm(form);
    m_session.Compare(form, Config);
}

void TMainForm::SiteWorkButtonClick()
{
    if (!m_siteWorkForm) {
        m_siteWorkForm = new TSiteWorkForm(
            m_session,
            [this] {
                TConfigBlock form = Config;
                CollectForm(form);
                return form;
            },
            this);
        m_siteWorkForm->move(geometry().center() - m_siteWorkForm->rect().center());
    }
    m_siteWorkForm->show();
    m_siteWorkForm->raise();
    m_siteWorkForm->activateWindow();
}

void TMainForm::CompareComplete(const TConfigBlock& read, const std::vector<SettingDifference>& differences)
{
    m_compareRead = read;
    if (differences.empty()) {
        Log(tr("Compare complete: no differences"));
        MessageDlg(tr("QUILMOX holds the settings shown."), TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK, 0);
        return;
    }
    Log(tr("Compare complete: %1 differences").arg(differences.size()));
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
    Log(tr("Read Complete"));
}

void TMainForm::RequestSignalStrength()
{
    m_session.QuerySignal(false);
}

void TMainForm::KeepRefreshingTick()
{
    // A busy tick is skipped, never queued.
    if (!LinkBusy())
        m_session.QuerySignal(true);
}

void TMainForm::UpdateDeviceCommands()
{
    const bool idle = !LinkBusy();
    for (QPushButton* button : { WriteButton, ReadButton, SignalStrengthButton, CompareButton })
        button->setEnabled(idle);
    LoadButton->setEnabled(!TransferRunning());
    if (m_signalStrengthForm)
        m_signalStrengthForm->RefreshButton->setEnabled(idle);
    // A batch holds the session for long: the window stays usable meanwhile, only its device commands wait.
    if (idle || m_session.Held())
        unsetCursor();
    else
        setCursor(Qt::BusyCursor);
}

bool TMainForm::TransferRunning() const
{
    // A signal query moves no settings, so a file may be loaded meanwhile.
    const Operation running = m_session.Running();
    return m_session.Busy() && running != Operation::None && running != Operation::Signal;
}

bool TMainForm::RefuseLoadWhileBusy()
{
    if (!TransferRunning())
        return false;
    MessageDlg(m_session.Running() == Operation::Write
            ? tr("QUILMOX is being written.\nLoad the file when the write has ended.")
            : tr("QUILMOX is being read.\nLoad the file when the read has ended."),
        TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK, 0);
    return true;
}

bool TMainForm::CloseDuringWriteAllowed()
{
    if (m_session.Running() != Operation::Write)
        return true;
    return MessageDlg(
               tr("QUILMOX is being written.\nClosing now leaves it with part of the new settings.\nClose anyway?"),
               TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNo, 0)
        == mrYes;
}

void TMainForm::ShowError(const QString& text)
{
    MessageDlg(text, TMsgDlgType::mtError, TMsgDlgButtons::mbOK, 0);
}
