// The Site Work window. The preview is checked again whenever what it was made from changes: another template or
// table chosen, the form edited or the table's file saved meanwhile (looked at when the window is activated), and
// at Start, so that the batch writes what the window shows.
#include "ui/SiteWorkForm.h"

#include "files/SettingsFile.h"
#include "ui/DeviceSession.h"
#include "ui/SettingLabels.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstring>
#include <tuple>

namespace {

const QString kFolderKey = QStringLiteral("SiteWork/LastFolder");
const QString kFormTemplateName = QStringLiteral("form as shown");

enum Column { NumberColumn, UnitColumn, DifferencesColumn, StatusColumn, ColumnCount };

QString StateText(RowState state)
{
    switch (state) {
    case RowState::Pending:
        break;
    case RowState::Writing:
        return QCoreApplication::translate("TSiteWorkForm", "writing");
    case RowState::Verified:
        return QCoreApplication::translate("TSiteWorkForm", "verified");
    case RowState::Differs:
        return QCoreApplication::translate("TSiteWorkForm", "differs");
    case RowState::NotCompleted:
        return QCoreApplication::translate("TSiteWorkForm", "not completed");
    case RowState::Skipped:
        return QCoreApplication::translate("TSiteWorkForm", "skipped");
    }
    return QCoreApplication::translate("TSiteWorkForm", "pending");
}

template <typename T> T* Named(T* widget, const char* name, const char* spoken, const char* description = nullptr)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(QCoreApplication::translate("TSiteWorkForm", spoken));
    if (description) {
        widget->setAccessibleDescription(QCoreApplication::translate("TSiteWorkForm", description));
        widget->setToolTip(widget->accessibleDescription());
    }
    return widget;
}

QPushButton* AddButton(QWidget* parent, const char* name, const char* caption, const char* spoken)
{
    auto* button = Named(new QPushButton(QCoreApplication::translate("TSiteWorkForm", caption), parent), name, spoken);
    button->setAutoDefault(false);
    return button;
}

// The file as it is now: a save meanwhile changes it.
QString Stamp(const QString& path)
{
    const QFileInfo info(path);
    return info.lastModified().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + QString::number(info.size());
}

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString Typed(const QLineEdit* edit)
{
    return QDir::fromNativeSeparators(edit->text().trimmed());
}

} // namespace

TSiteWorkForm::TSiteWorkForm(TDeviceSession& deviceSession, std::function<TConfigBlock()> collect, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , session(deviceSession)
    , collectForm(std::move(collect))
    , run(deviceSession.Port(), LinkThreading::Own)
{
    TemplateDialog.Filter = tr("Data Files (*.dat);;All Files (*)");
    TableDialog.Filter = RecordDialog.Filter = tr("CSV Files (*.csv);;All Files (*)");
    RecordDialog.DefaultExt = QStringLiteral("csv");
    const QString folder
        = QSettings().value(kFolderKey, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).toString();
    TemplateDialog.Directory = TableDialog.Directory = folder;
    BuildLayout();
    ConnectHandlers();
    Refresh();
}

TSiteWorkForm::~TSiteWorkForm() = default;

void TSiteWorkForm::BuildLayout()
{
    setObjectName(QStringLiteral("SiteWorkForm"));
    setWindowTitle(tr("Site Work"));
    setFont(ToolkitFont());
    resize(900, 600);

    TemplateFormRadioButton = Named(new QRadioButton(tr("The form as shown"), this), "TemplateFormRadioButton",
        QT_TRANSLATE_NOOP("TSiteWorkForm", "Template: the form as shown"),
        QT_TRANSLATE_NOOP("TSiteWorkForm", "Every setting a row leaves out is the one the main window shows."));
    TemplateFormRadioButton->setChecked(true);
    TemplateFileRadioButton = Named(new QRadioButton(tr("Settings file:"), this), "TemplateFileRadioButton",
        QT_TRANSLATE_NOOP("TSiteWorkForm", "Template: a settings file"));
    TemplateFileEdit
        = Named(new QLineEdit(this), "TemplateFileEdit", QT_TRANSLATE_NOOP("TSiteWorkForm", "Template settings file"));
    TemplateFileEdit->setReadOnly(true);
    TemplateFileButton = AddButton(this, "TemplateFileButton", QT_TRANSLATE_NOOP("TSiteWorkForm", "Choose…"),
        QT_TRANSLATE_NOOP("TSiteWorkForm", "Choose the template settings file"));
    TableFileEdit = Named(new QLineEdit(this), "TableFileEdit", QT_TRANSLATE_NOOP("TSiteWorkForm", "Units table"),
        QT_TRANSLATE_NOOP("TSiteWorkForm", "A CSV file: a header naming settings, then one row per controller."));
    TableFileButton = AddButton(this, "TableFileButton", QT_TRANSLATE_NOOP("TSiteWorkForm", "Choose…"),
        QT_TRANSLATE_NOOP("TSiteWorkForm", "Choose the units table"));
    RecordFileEdit = Named(new QLineEdit(this), "RecordFileEdit", QT_TRANSLATE_NOOP("TSiteWorkForm", "Record file"),
        QT_TRANSLATE_NOOP("TSiteWorkForm", "One line is added per unit: time, serial number and result."));
    RecordFileButton = AddButton(this, "RecordFileButton", QT_TRANSLATE_NOOP("TSiteWorkForm", "Choose…"),
        QT_TRANSLATE_NOOP("TSiteWorkForm", "Choose the record file"));
    BackupsFolderEdit
        = Named(new QLineEdit(this), "BackupsFolderEdit", QT_TRANSLATE_NOOP("TSiteWorkForm", "Backups folder"),
            QT_TRANSLATE_NOOP("TSiteWorkForm", "What each controller held before it was written, as a settings file."));
    BackupsFolderButton = AddButton(this, "BackupsFolderButton", QT_TRANSLATE_NOOP("TSiteWorkForm", "Choose…"),
        QT_TRANSLATE_NOOP("TSiteWorkForm", "Choose the backups folder"));

    // Labels, then the template's choice, the names and their buttons; the names of files span the choice's column.
    auto* files = new QGridLayout;
    files->addWidget(new QLabel(tr("Template:"), this), 0, 0);
    auto* choice = new QHBoxLayout;
    choice->addWidget(TemplateFormRadioButton);
    choice->addSpacing(12);
    choice->addWidget(TemplateFileRadioButton);
    files->addLayout(choice, 0, 1);
    files->addWidget(TemplateFileEdit, 0, 2);
    files->addWidget(TemplateFileButton, 0, 3);
    const std::tuple<const char*, QLineEdit*, QPushButton*> rows[] = {
        { QT_TRANSLATE_NOOP("TSiteWorkForm", "&Units table:"), TableFileEdit, TableFileButton },
        { QT_TRANSLATE_NOOP("TSiteWorkForm", "&Record:"), RecordFileEdit, RecordFileButton },
        { QT_TRANSLATE_NOOP("TSiteWorkForm", "&Backups:"), BackupsFolderEdit, BackupsFolderButton },
    };
    int row = 0;
    for (const auto& [caption, edit, button] : rows) {
        auto* label = new QLabel(tr(caption), this);
        label->setBuddy(edit);
        files->addWidget(label, ++row, 0);
        files->addWidget(edit, row, 1, 1, 2);
        files->addWidget(button, row, 3);
    }
    files->setColumnStretch(2, 1);

    ProblemList = Named(
        new QListWidget(this), "ProblemList", QT_TRANSLATE_NOOP("TSiteWorkForm", "Problems of the units table"));
    ProblemList->setMaximumHeight(90);

    RowTable = Named(new QTableWidget(0, ColumnCount, this), "RowTable",
        QT_TRANSLATE_NOOP("TSiteWorkForm", "Rows of the units table"),
        QT_TRANSLATE_NOOP(
            "TSiteWorkForm", "Each row's settings that differ from the template, and how far it has come."));
    RowTable->setHorizontalHeaderLabels({ tr("Row"), tr("Unit"), tr("Differences from the template"), tr("Status") });
    RowTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RowTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    RowTable->setWordWrap(false);
    RowTable->verticalHeader()->hide();
    QHeaderView* header = RowTable->horizontalHeader();
    header->setSectionResizeMode(NumberColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(UnitColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(DifferencesColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(StatusColumn, QHeaderView::ResizeToContents);

    InstructionLabel = Named(new QLabel(this), "InstructionLabel", QT_TRANSLATE_NOOP("TSiteWorkForm", "Next step"));
    InstructionLabel->setWordWrap(true);
    InstructionLabel->setMinimumHeight(64);
    QFont large = font();
    large.setPixelSize(22);
    large.setBold(true);
    InstructionLabel->setFont(large);
    UnitProgressBar = Named(new QProgressBar(this), "UnitProgressBar",
        QT_TRANSLATE_NOOP("TSiteWorkForm", "Progress of the unit under way"));
    UnitProgressBar->setRange(0, TBatchRun::ReportsPerUnit());
    UnitProgressBar->setValue(0);
    UnitProgressBar->setFormat(tr("%v of %m"));
    MessageMemo = Named(new QPlainTextEdit(this), "MessageMemo", QT_TRANSLATE_NOOP("TSiteWorkForm", "Site work log"));
    MessageMemo->setReadOnly(true);
    MessageMemo->setMaximumHeight(110);

    StartButton = AddButton(
        this, "StartButton", QT_TRANSLATE_NOOP("TSiteWorkForm", "Start"), QT_TRANSLATE_NOOP("TSiteWorkForm", "Start"));
    StopButton = AddButton(
        this, "StopButton", QT_TRANSLATE_NOOP("TSiteWorkForm", "Stop"), QT_TRANSLATE_NOOP("TSiteWorkForm", "Stop"));
    StopButton->setToolTip(tr("Between units the batch ends at once; during one, after its step."));
    OpenFolderButton = AddButton(this, "OpenFolderButton", QT_TRANSLATE_NOOP("TSiteWorkForm", "Open Folder"),
        QT_TRANSLATE_NOOP("TSiteWorkForm", "Open the folder of the record"));
    CloseButton = AddButton(
        this, "CloseButton", QT_TRANSLATE_NOOP("TSiteWorkForm", "Close"), QT_TRANSLATE_NOOP("TSiteWorkForm", "Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(StartButton);
    buttons->addWidget(StopButton);
    buttons->addStretch();
    buttons->addWidget(OpenFolderButton);
    buttons->addWidget(CloseButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addWidget(ProblemList);
    layout->addWidget(RowTable, 1);
    layout->addWidget(InstructionLabel);
    layout->addWidget(UnitProgressBar);
    layout->addWidget(MessageMemo);
    layout->addLayout(buttons);
}

void TSiteWorkForm::ConnectHandlers()
{
    connect(TemplateFormRadioButton, &QRadioButton::clicked, this, [this] {
        fileTemplate = false;
        Refresh();
    });
    connect(TemplateFileRadioButton, &QRadioButton::clicked, this, [this] {
        if (templateName.isEmpty()) {
            ChooseTemplate();
            return;
        }
        fileTemplate = true;
        Refresh();
    });
    connect(TemplateFileButton, &QPushButton::clicked, this, &TSiteWorkForm::ChooseTemplate);
    connect(TableFileButton, &QPushButton::clicked, this, &TSiteWorkForm::ChooseTable);
    connect(TableFileEdit, &QLineEdit::editingFinished, this, [this] { TakeTable(TablePath()); });
    connect(RecordFileEdit, &QLineEdit::textEdited, this, [this] {
        recordNamed = true;
        UpdateCommands();
    });
    connect(BackupsFolderEdit, &QLineEdit::textEdited, this, [this] {
        backupsNamed = true;
        UpdateCommands();
    });
    connect(RecordFileButton, &QPushButton::clicked, this, [this] {
        RecordDialog.Directory = QFileInfo(RecordPath()).absolutePath();
        if (RecordDialog.Execute(this)) {
            RecordFileEdit->setText(Shown(RecordDialog.FileName));
            recordNamed = true;
            UpdateCommands();
        }
    });
    connect(BackupsFolderButton, &QPushButton::clicked, this, [this] {
        BackupsDialog.Directory = BackupsPath();
        if (BackupsDialog.Execute(this)) {
            BackupsFolderEdit->setText(Shown(BackupsDialog.FileName));
            backupsNamed = true;
            UpdateCommands();
        }
    });
    connect(StartButton, &QPushButton::clicked, this, &TSiteWorkForm::StartButtonClick);
    connect(StopButton, &QPushButton::clicked, &run, &TBatchRun::Stop);
    connect(
        OpenFolderButton, &QPushButton::clicked, this, [this] { OpenFolder(QFileInfo(RecordPath()).absolutePath()); });
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);

    connect(&run, &TBatchRun::instruction, InstructionLabel, &QLabel::setText);
    connect(&run, &TBatchRun::message, MessageMemo, &QPlainTextEdit::appendPlainText);
    connect(&run, &TBatchRun::progress, this, [this](int done, int total) {
        UnitProgressBar->setRange(0, total);
        UnitProgressBar->setValue(done);
    });
    connect(&run, &TBatchRun::rowChanged, this, &TSiteWorkForm::ShowState);
    connect(&run, &TBatchRun::finished, this, &TSiteWorkForm::RunFinished);
    connect(&session, &TDeviceSession::busyChanged, this, &TSiteWorkForm::UpdateCommands);
}

void TSiteWorkForm::ChooseTemplate()
{
    if (TemplateDialog.Execute(this)) {
        TConfigBlock loaded {};
        const LoadOutcome outcome = LoadSettingsFile(TemplateDialog.FileName, loaded);
        if (outcome == LoadOutcome::Loaded) {
            templateBlock = loaded;
            templateName = QFileInfo(TemplateDialog.FileName).fileName();
            TemplateFileEdit->setText(Shown(TemplateDialog.FileName));
            fileTemplate = true;
            RememberFolderOf(TemplateDialog.FileName);
            Refresh();
        } else {
            MessageDlg(LoadOutcomeText(outcome), TMsgDlgType::mtError, TMsgDlgButtons::mbOK, 0);
        }
    }
    // A choice that came to nothing leaves the template as it was.
    (fileTemplate ? TemplateFileRadioButton : TemplateFormRadioButton)->setChecked(true);
}

void TSiteWorkForm::ChooseTable()
{
    if (!TableDialog.Execute(this))
        return;
    RememberFolderOf(TableDialog.FileName);
    TakeTable(TableDialog.FileName);
}

void TSiteWorkForm::TakeTable(const QString& path)
{
    const QFileInfo info(path);
    TableFileEdit->setText(Shown(path));
    if (path.isEmpty()) {
        Refresh();
        return;
    }
    if (!recordNamed)
        RecordFileEdit->setText(Shown(info.absoluteDir().filePath(info.completeBaseName() + "-record.csv")));
    if (!backupsNamed)
        BackupsFolderEdit->setText(Shown(info.absoluteDir().filePath(QStringLiteral("backups"))));
    Refresh();
}

void TSiteWorkForm::RememberFolderOf(const QString& fileName)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    TemplateDialog.Directory = TableDialog.Directory = folder;
    QSettings().setValue(kFolderKey, folder);
}

void TSiteWorkForm::Refresh()
{
    previewTemplate = Template();
    const QString path = TablePath();
    previewStamp = Stamp(path);
    table = path.isEmpty() ? UnitsTable {} : LoadUnitsTable(path, previewTemplate);

    ProblemList->clear();
    for (const TableProblem& problem : table.problems)
        ProblemList->addItem(ProblemLine(QFileInfo(path).fileName(), problem));
    ProblemList->setVisible(!table.problems.empty());

    RowTable->setRowCount(int(table.rows.size()));
    for (int i = 0; i < int(table.rows.size()); ++i) {
        const UnitRow& row = table.rows[std::size_t(i)];
        const QStringList differences = RowDifferences(row, previewTemplate, SettingLabel);
        const QString cells[] = { QString::number(row.number), RowLabel(row), differences.join(QStringLiteral("; ")),
            StateText(RowState::Pending) };
        for (int column = 0; column < ColumnCount; ++column)
            RowTable->setItem(i, column, new QTableWidgetItem(cells[column]));
        RowTable->item(i, DifferencesColumn)->setToolTip(differences.join(QLatin1Char('\n')));
    }

    if (path.isEmpty())
        InstructionLabel->setText(tr("Choose the units table."));
    else if (table.HasErrors())
        InstructionLabel->setText(tr("Correct the units table: nothing is written while it has errors."));
    else
        InstructionLabel->setText(tr("Press Start, then plug in the first controller."));
    UnitProgressBar->setValue(0);
    UpdateCommands();
}

bool TSiteWorkForm::PreviewStale() const
{
    const TConfigBlock now = Template();
    return std::memcmp(BlockBytes(now), BlockBytes(previewTemplate), kConfigBlockSize) != 0
        || Stamp(TablePath()) != previewStamp;
}

TConfigBlock TSiteWorkForm::Template() const
{
    return fileTemplate ? templateBlock : collectForm();
}

QString TSiteWorkForm::TablePath() const
{
    return Typed(TableFileEdit);
}
QString TSiteWorkForm::RecordPath() const
{
    return Typed(RecordFileEdit);
}
QString TSiteWorkForm::BackupsPath() const
{
    return Typed(BackupsFolderEdit);
}

void TSiteWorkForm::StartButtonClick()
{
    // Only what the operator has seen is written: a template or table changed meanwhile is shown first.
    if (PreviewStale()) {
        Refresh();
        InstructionLabel->setText(tr("The template or the table has changed: check the rows, then press Start again."));
        return;
    }
    if (!CanStart())
        return;
    BatchPlan plan;
    plan.templ = previewTemplate;
    plan.templateName = fileTemplate ? templateName : kFormTemplateName;
    plan.table = table;
    plan.recordPath = RecordPath();
    plan.backupsFolder = BackupsPath();
    QString error;
    if (!run.Prepare(plan, &error)) {
        MessageDlg(error, TMsgDlgType::mtError, TMsgDlgButtons::mbOK, 0);
        return;
    }
    for (int i = 0; i < RowTable->rowCount(); ++i)
        ShowState(i);
    session.SetHeld(true);
    UpdateCommands();
    // The window's link does its I/O in the order asked, so this answer comes once its close has run: the batch
    // never opens the controller while the window's reader still reads from it.
    session.Link().Survey([this](const std::vector<HidInterfaceInfo>&) {
        run.Start();
        UpdateCommands();
    });
}

void TSiteWorkForm::RunFinished(BatchOutcome outcome)
{
    session.SetHeld(false);
    UpdateCommands();
    int pending = 0;
    for (int i = 0; i < RowTable->rowCount(); ++i)
        pending += run.State(i) == RowState::Pending || run.State(i) == RowState::NotCompleted;
    // The run's last words belong to the unit it ended with; the window says how the batch ended.
    if (outcome == BatchOutcome::Verified)
        InstructionLabel->setText(tr("Every row is verified."));
    else if (outcome == BatchOutcome::Differed)
        InstructionLabel->setText(tr("Every row is done; a unit differs from its row: see the record."));
    else if (outcome == BatchOutcome::Failed)
        InstructionLabel->setText(tr("Stopped: the record or a backup could not be written."));
    else
        InstructionLabel->setText(tr("Stopped. Rows pending: %1. Press Start to go on.").arg(pending));
}

void TSiteWorkForm::ShowState(int index)
{
    if (QTableWidgetItem* item = RowTable->item(index, StatusColumn)) {
        const RowState state = run.State(index);
        item->setText(StateText(state));
        if (state == RowState::Writing)
            RowTable->scrollToItem(item);
    }
}

bool TSiteWorkForm::CanStart() const
{
    return !run.Running() && !session.Busy() && !table.rows.empty() && !table.HasErrors() && !RecordPath().isEmpty()
        && !BackupsPath().isEmpty();
}

void TSiteWorkForm::UpdateCommands()
{
    const bool running = run.Running();
    StartButton->setEnabled(CanStart());
    StopButton->setEnabled(running);
    const std::initializer_list<QWidget*> choices
        = { TemplateFormRadioButton, TemplateFileRadioButton, TemplateFileEdit, TemplateFileButton, TableFileEdit,
              TableFileButton, RecordFileEdit, RecordFileButton, BackupsFolderEdit, BackupsFolderButton };
    for (QWidget* control : choices)
        control->setEnabled(!running);
    OpenFolderButton->setEnabled(!RecordPath().isEmpty());
}

bool TSiteWorkForm::CloseAllowed()
{
    if (!run.Running())
        return true;
    MessageDlg(tr("A batch is running.\nStop it before closing."), TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK, 0);
    return false;
}

void TSiteWorkForm::changeEvent(QEvent* event)
{
    // Back from the main window, where the form may have been edited, or from a spreadsheet.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !run.Running() && PreviewStale())
        Refresh();
    QWidget::changeEvent(event);
}

void TSiteWorkForm::closeEvent(QCloseEvent* event)
{
    if (CloseAllowed())
        event->accept();
    else
        event->ignore();
}
