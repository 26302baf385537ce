// The main window: four pages of settings above the command panel, the working configuration block and its
// snapshot, and the commands that move settings between the form, the block and settings files.
#pragma once

#include "config/ConfigBlock.h"
#include "help/HelpSystem.h"
#include "ui/DeviceSession.h"
#include "ui/FormTables.h"
#include "ui/ToolkitServices.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QFrame;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TCompareDialog;
class TCSpinEdit;
class TJvCheckBox;
class TLimitedEdit;
class TLimitedMemo;
class TSignalStrengthForm;
class TSiteWorkForm;

template <typename T> using TFamily = std::array<T*, kChannelCount>; // element n - 1 is control n

// The device work goes through the window's device session, which tells the window how each operation ended.
class TMainForm : public QWidget
{
    Q_OBJECT

public:
    // Builds every control, then runs FormCreate. The controller is looked for on `port`, or on the system's HID
    // devices when none is given.
    explicit TMainForm(QWidget* parent = nullptr, HidPort* port = nullptr);
    ~TMainForm() override;

    void SetSignalStrengthForm(TSignalStrengthForm* form);
    TDeviceSession& Session() { return m_session; }
    // The protocol's state: 0 while no operation runs.
    int32_t ProtocolState() const { return m_session.Protocol().ProtocolState; }
    const THelpSystem& Help() const { return m_help; }

    // The configuration model.
    void SetDefaults();
    void TakeSnapshot();
    bool ConfigChanged() const;
    void CollectForm();
    // Collects into another block: what Compare holds against the controller, leaving Config as it is.
    void CollectForm(TConfigBlock& into) const;
    void PresentConfig();

    // Settings files. LoadFile is Load File after its dialog: the same checks, boxes and log lines.
    void SaveDataFile();
    void LoadDataFile();
    void LoadFile(const QString& fileName);

    // Appends one line to the log.
    void Log(const QString& line);
    // A file operation's label line, then the file's full name with the system's separators.
    void LogFile(const QString& label, const QString& fileName);

    // The window's own events.
    void FormCreate();
    bool FormCloseQuery();
    void FormClose();

    // Click handlers.
    void WriteButtonClick();
    void ReadButtonClick();
    void SignalStrengthButtonClick();
    void CompareButtonClick();
    // Opens the Site Work window, built the first time.
    void SiteWorkButtonClick();
    void SaveButtonClick();
    void LoadButtonClick();
    void HelpButtonClick();
    void ExitButtonClick();
    void ClearButtonClick();
    void InvertInputsCheckAllButtonClick();
    void InvertInputsCheckNoneButtonClick();
    void InvertOutputsCheckAllButtonClick();
    void InvertOutputsCheckNoneButtonClick();
    void OutputStartStatusCheckAllButtonClick();
    void OutputStartStatusCheckNoneButtonClick();
    void InputActiveMessageCheckAllButtonClick();
    void InputActiveMessageCheckNoneButtonClick();
    void InputInactiveMessageCheckAllButtonClick();
    void InputInactiveMessageCheckNoneButtonClick();

    void RequestSignalStrength();
    // Keep refreshing's tick: a signal query unless the link is busy; a busy tick is skipped, never queued.
    void KeepRefreshingTick();
    // The compare dialog's "Load Controller Settings": the block the compare read goes onto the form as a Read's.
    void LoadControllerSettings();
    // The device commands and Load File are offered only while no operation is in progress and no answer is on
    // its way.
    void UpdateDeviceCommands();
    bool LinkBusy() const { return m_session.Busy(); }

    // Help.
    void InitHelp();
    void CloseHelp();

    TConfigBlock Config {};
    TConfigBlock ConfigSnapshot {};
    QString HelpFilePath;

    QTabWidget* PageControl1 = nullptr;
    std::array<QWidget*, 4> TabSheets {}; // TabSheet1 ... TabSheet4
    QFrame* Panel1 = nullptr;

    TLimitedMemo* SMSMessageMemo = nullptr;
    std::array<TLimitedEdit*, kTextEditCount> TextEdits {}; // in the order of kTextEdits
    TJvCheckBox* RequestStatusJvCheckBox = nullptr;
    TCSpinEdit* InhibitInputCSpinEdit = nullptr;
    QPlainTextEdit* LogMemo = nullptr;
    QPushButton* ClearButton = nullptr;

    std::array<TFamily<TJvCheckBox>, kCheckGroupCount> CheckGroupBoxes {}; // in the order of kCheckGroups
    std::array<QPushButton*, kCheckGroupCount> CheckAllButtons {};
    std::array<QPushButton*, kCheckGroupCount> CheckNoneButtons {};

    std::array<TFamily<TLimitedEdit>, kCommandCount> OutputEdits {}; // in the order of kCommands
    std::array<TFamily<TJvCheckBox>, kCommandCount> OutputJvCheckBoxes {};
    TFamily<TCSpinEdit> OutputPulseCSpinEdits {};

    QPushButton* WriteButton = nullptr;
    QPushButton* ReadButton = nullptr;
    QPushButton* SignalStrengthButton = nullptr;
    QPushButton* CompareButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* LoadButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* ExitButton = nullptr;
    QPushButton* SiteWorkButton = nullptr;

    TFileDialog OpenDialog1 { TFileDialogKind::Open };
    TFileDialog SaveDialog1 { TFileDialogKind::Save };

    // The window's own menu (a right click on the window, away from the controls that have one of their own): the
    // language the window speaks, chosen for the next start.
    QMenu* LanguageMenu();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the pages (MainFormLayout.cpp); the device commands are in MainFormDevice.cpp, the settings files in
    // MainFormFiles.cpp and the form mapping in MainFormMapping.cpp.
    void BuildLayout();
    void BuildMessagePage(QWidget* page);
    void BuildCheckGroup(int group, QWidget* page);
    void BuildOutputGroup(const TOutputGroupRow& row, QWidget* page);
    void BuildButtonPanel();
    void ConnectHandlers();

    void SetCheckGroup(int group, bool checked);
    // Both file dialogs start in the folder of the last file loaded or saved, in this run and the next.
    void RestoreFileFolder();
    void SetFileFolder(const QString& folder);
    void RememberFolderOf(const QString& fileName);
    void ConnectSession();
    void ShowError(const QString& text);
    // A write, read or compare is being started or runs.
    bool TransferRunning() const;
    // While one runs no file is loaded: the window would no longer show what the transfer moves.
    bool RefuseLoadWhileBusy();
    // Closing during a write would leave the controller with part of the new settings: the operator may wait.
    bool CloseDuringWriteAllowed();
    void CompareComplete(const TConfigBlock& read, const std::vector<SettingDifference>& differences);
    // The compare dialog, built when a compare first finds a difference.
    TCompareDialog* CompareDialog();

    QPointer<TSignalStrengthForm> m_signalStrengthForm;
    TCompareDialog* m_compareDialog = nullptr;
    TSiteWorkForm* m_siteWorkForm = nullptr;
    // What the last compare read from the controller, for "Load Controller Settings".
    TConfigBlock m_compareRead {};
    THelpSystem m_help;
    TDeviceSession m_session;
};

// The application's main window, filled in at start-up.
extern TMainForm* MainForm;
