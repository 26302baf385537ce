// The main window: four pages of settings above the command panel, the working configuration block and its
// snapshot, and the commands that move settings between the form, the block and settings files.
#pragma once

#include "config/ConfigBlock.h"
#include "device/DeviceLink.h"
#include "protocol/DeviceProtocol.h"
#include "help/HelpSystem.h"
#include "ui/FormTables.h"
#include "ui/ToolkitServices.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QFrame;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TCompareDialog;
class TCSpinEdit;
class TJvCheckBox;
class TLimitedEdit;
class TLimitedMemo;
class TSignalStrengthForm;

template <typename T> using TFamily = std::array<T*, kChannelCount>; // element n - 1 is control n

// The window is the protocol's host: the state machine sends, logs, asks and presents through it.
class TMainForm : public QWidget, public ProtocolHost
{
    Q_OBJECT

public:
    // Builds every control, then runs FormCreate. The controller is looked for on `port`, or on the system's HID
    // devices when none is given.
    explicit TMainForm(QWidget* parent = nullptr, HidPort* port = nullptr);
    ~TMainForm() override;

    void SetSignalStrengthForm(TSignalStrengthForm* form);
    TDeviceLink& Link() { return *m_link; }
    const THelpSystem& Help() const { return m_help; }

    // The configuration model.
    void SetDefaults();
    void TakeSnapshot();
    bool ConfigChanged() const;
    void CollectForm();
    // Collects into another block: what Compare holds against the controller, leaving Config as it is.
    void CollectForm(TConfigBlock& into) const;
    void PresentConfig() override;

    // Settings files. LoadFile is Load File after its dialog: the same checks, boxes and log lines.
    void SaveDataFile();
    void LoadDataFile();
    void LoadFile(const QString& fileName);

    // Appends one line to the log.
    void Log(const QString& line);

    // The window's own events.
    void FormCreate();
    bool FormCloseQuery();
    void FormClose();

    // Click handlers.
    void WriteButtonClick();
    void ReadButtonClick();
    void SignalStrengthButtonClick();
    void CompareButtonClick();
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

    // The device link: discovery with its boxes, and the signal-strength request.
    ConnectResult ConnectDevice();
    void RequestSignalStrength();
    // Keep refreshing's tick: a signal query unless the link is busy; a busy tick is skipped, never queued.
    void KeepRefreshingTick();
    // The compare dialog's "Load Controller Settings": the block the compare read goes onto the form as a Read's.
    void LoadControllerSettings();
    // The device commands are offered only while no operation is in progress and no answer is on its way.
    void UpdateDeviceCommands();
    bool LinkBusy() const;

    // The protocol's host.
    void SendReport(const TReport& report) override;
    void AppendLog(const QString& line) override;
    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    void ShowSignalStrength(int value) override;
    void CompareReadComplete(const TConfigBlock& read) override;

    // Help.
    void InitHelp();
    void CloseHelp();

    TConfigBlock Config {};
    TConfigBlock ConfigSnapshot {};
    // TransmitBuffer, ReceiveBuffer, ProtocolState, ChunkNumber and EntryIndex live in the protocol.
    TDeviceProtocol Protocol { Config, *this };
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

    TFileDialog OpenDialog1 { TFileDialogKind::Open };
    TFileDialog SaveDialog1 { TFileDialogKind::Save };

protected:
    void closeEvent(QCloseEvent* event) override;
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
    // An operation that lost its controller ends at once: state 0, the box, and a log line naming it.
    void EndUnfinishedOperation(const QString& text);
    void QuerySignalStrength(bool quietIdentity);
    // The compare dialog, built when a compare first finds a difference.
    TCompareDialog* CompareDialog();

    QPointer<TSignalStrengthForm> m_signalStrengthForm;
    TCompareDialog* m_compareDialog = nullptr;
    // Compare: the form as collected when it started, and the controller's block, read over a copy of Config so
    // that loading it gives what a Read would have.
    TConfigBlock m_compareForm {};
    TConfigBlock m_compareRead {};
    // A refresh's identity lines are not logged: the query that started refreshing logged them already.
    bool m_quietIdentity = false;
    // A report is being handled; a box it shows holds the reader, so no answer could reach the window meanwhile.
    bool m_inHandOver = false;
    int32_t m_historySerial = 0; // the controller whose values the signal history holds
    THelpSystem m_help;
    std::unique_ptr<HidPort> m_ownedPort;
    // Declared after the protocol: the link, whose reader hands reports to the protocol, goes first.
    std::unique_ptr<TDeviceLink> m_link;
};

// The application's main window, filled in at start-up.
extern TMainForm* MainForm;
