// The Site Work window: a batch of controllers from one template and a table of units. It shows the table checked
// against the template (its problems and each row's differences), then runs the batch over the main window's port
// and shows each row's state, the next step for the operator and the progress of the unit under way. Built the
// first time Site Work is opened.
#pragma once

#include "batch/BatchRun.h"
#include "ui/ToolkitServices.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class TDeviceSession;

class TSiteWorkForm : public QWidget
{
    Q_OBJECT

public:
    // `collectForm` gives the main window's form as shown. The batch looks for controllers on the session's port
    // and holds the session while it runs, so that one operation at a time holds across both windows.
    TSiteWorkForm(TDeviceSession& session, std::function<TConfigBlock()> collectForm, QWidget* parent = nullptr);
    ~TSiteWorkForm() override;

    TBatchRun& Run() { return run; }
    // While a batch runs the window stays: the operator stops it first.
    bool CloseAllowed();

    QRadioButton* TemplateFormRadioButton = nullptr;
    QRadioButton* TemplateFileRadioButton = nullptr;
    QLineEdit* TemplateFileEdit = nullptr;
    QPushButton* TemplateFileButton = nullptr;
    QLineEdit* TableFileEdit = nullptr;
    QPushButton* TableFileButton = nullptr;
    QLineEdit* RecordFileEdit = nullptr;
    QPushButton* RecordFileButton = nullptr;
    QLineEdit* BackupsFolderEdit = nullptr;
    QPushButton* BackupsFolderButton = nullptr;
    QListWidget* ProblemList = nullptr;
    QTableWidget* RowTable = nullptr;
    QLabel* InstructionLabel = nullptr;
    QProgressBar* UnitProgressBar = nullptr;
    QPlainTextEdit* MessageMemo = nullptr;
    QPushButton* StartButton = nullptr;
    QPushButton* StopButton = nullptr;
    QPushButton* OpenFolderButton = nullptr;
    QPushButton* CloseButton = nullptr;

    TFileDialog TemplateDialog { TFileDialogKind::Open };
    TFileDialog TableDialog { TFileDialogKind::Open };
    TFileDialog RecordDialog { TFileDialogKind::Save };
    TFileDialog BackupsDialog { TFileDialogKind::Folder };

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void ConnectHandlers();

    void ChooseTemplate();
    void ChooseTable();
    // The table at `path`, with the record and backups beside it unless the operator named others.
    void TakeTable(const QString& path);
    void RememberFolderOf(const QString& fileName);
    // Checks the table against the template again and shows it, every row pending.
    void Refresh();
    bool PreviewStale() const;
    TConfigBlock Template() const;
    QString TablePath() const;
    QString RecordPath() const;
    QString BackupsPath() const;

    void StartButtonClick();
    void RunFinished(BatchOutcome outcome);
    void ShowState(int index);
    bool CanStart() const;
    void UpdateCommands();

    TDeviceSession& session;
    std::function<TConfigBlock()> collectForm;
    bool fileTemplate = false; // the template is templateBlock, from templateName, rather than the form
    TConfigBlock templateBlock {};
    QString templateName;
    // The operator named the record or the backups folder: they no longer follow the table.
    bool recordNamed = false;
    bool backupsNamed = false;
    // What the preview shows: the table as checked against this template, from the file as it was then.
    UnitsTable table;
    TConfigBlock previewTemplate {};
    QString previewStamp;
    TBatchRun run;
};
