// The main window's lifecycle and its own commands: start-up, the close question, the log, the check-all buttons,
// the keys and help.
#include "ui/MainForm.h"

#include "ui/SignalStrengthForm.h"
#include "ui/SiteWorkForm.h"
#include "ui/controls/JvCheckBox.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>

TMainForm* MainForm = nullptr;

Q_LOGGING_CATEGORY(lcHelp, "parlowen.help", QtWarningMsg)

namespace {

const QString kTitle = QStringLiteral("QUILMOX Parlowen");
const QString kVersion = QStringLiteral(PARLOWEN_VERSION);

} // namespace

TMainForm::TMainForm(QWidget* parent, HidPort* port)
    : QWidget(parent)
    , m_session(port)
{
    OpenDialog1.Filter = SaveDialog1.Filter = tr("Data Files (*.dat);;All Files (*)");
    SaveDialog1.DefaultExt = QStringLiteral("dat");
    BuildLayout();
    ConnectHandlers();
    ConnectSession();
    RestoreFileFolder();
    // A settings file dropped anywhere on the window loads, also over the text controls, which would otherwise
    // take its address as text.
    setAcceptDrops(true);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->acceptDrops())
            child->installEventFilter(this);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::ConnectHandlers()
{
    connect(WriteButton, &QPushButton::clicked, this, &TMainForm::WriteButtonClick);
    connect(ReadButton, &QPushButton::clicked, this, &TMainForm::ReadButtonClick);
    connect(SignalStrengthButton, &QPushButton::clicked, this, &TMainForm::SignalStrengthButtonClick);
    connect(CompareButton, &QPushButton::clicked, this, &TMainForm::CompareButtonClick);
    connect(SiteWorkButton, &QPushButton::clicked, this, &TMainForm::SiteWorkButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TMainForm::SaveButtonClick);
    connect(LoadButton, &QPushButton::clicked, this, &TMainForm::LoadButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TMainForm::HelpButtonClick);
    connect(ExitButton, &QPushButton::clicked, this, &TMainForm::ExitButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TMainForm::ClearButtonClick);

    using THandler = void (TMainForm::*)();
    const std::array<std::pair<THandler, THandler>, kCheckGroupCount> checkHandlers = { {
        { &TMainForm::InvertInputsCheckAllButtonClick, &TMainForm::InvertInputsCheckNoneButtonClick },
        { &TMainForm::InvertOutputsCheckAllButtonClick, &TMainForm::InvertOutputsCheckNoneButtonClick },
        { &TMainForm::OutputStartStatusCheckAllButtonClick, &TMainForm::OutputStartStatusCheckNoneButtonClick },
        { &TMainForm::InputActiveMessageCheckAllButtonClick, &TMainForm::InputActiveMessageCheckNoneButtonClick },
        { &TMainForm::InputInactiveMessageCheckAllButtonClick, &TMainForm::InputInactiveMessageCheckNoneButtonClick },
    } };
    for (int g = 0; g < kCheckGroupCount; ++g) {
        connect(CheckAllButtons[g], &QPushButton::clicked, this, checkHandlers[g].first);
        connect(CheckNoneButtons[g], &QPushButton::clicked, this, checkHandlers[g].second);
    }

    // Keys as people expect them; the buttons keep their captions.
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &TMainForm::SaveButtonClick);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this, &TMainForm::LoadButtonClick);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] {
        if (!HelpButton->isHidden())
            HelpButtonClick();
    });
}

void TMainForm::SetSignalStrengthForm(TSignalStrengthForm* form)
{
    m_signalStrengthForm = form;
    if (form) {
        connect(form, &TSignalStrengthForm::refreshRequested, this, &TMainForm::RequestSignalStrength);
        connect(form, &TSignalStrengthForm::refreshTick, this, &TMainForm::KeepRefreshingTick);
    }
}

void TMainForm::SetDefaults()
{
    ::SetDefaults(Config);
}
void TMainForm::TakeSnapshot()
{
    ::TakeSnapshot(Config, ConfigSnapshot);
}
bool TMainForm::ConfigChanged() const
{
    return ::ConfigChanged(Config, ConfigSnapshot);
}

void TMainForm::Log(const QString& line)
{
    LogMemo->appendPlainText(line);
}

void TMainForm::FormCreate()
{
    setWindowTitle(tr("%1 Vesion: %2").arg(kTitle, kVersion));
    PageControl1->setCurrentIndex(0);
    SetDefaults();
    TakeSnapshot();
    PresentConfig();
    InitHelp();
}

bool TMainForm::FormCloseQuery()
{
    CollectForm();
    if (!ConfigChanged())
        return true;
    const int answer
        = MessageDlg(tr("Data has changed\nSave now?"), TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNoCancel, 0);
    if (answer == mrCancel)
        return false;
    if (answer == mrYes) {
        // The window stays open after the save, so the operator sees how it went before closing again.
        SaveButtonClick();
        return false;
    }
    return true;
}

void TMainForm::FormClose()
{
    CloseHelp();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if ((m_siteWorkForm && !m_siteWorkForm->CloseAllowed()) || !CloseDuringWriteAllowed() || !FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TMainForm::SaveButtonClick()
{
    SaveDataFile();
}
void TMainForm::LoadButtonClick()
{
    LoadDataFile();
}
void TMainForm::ExitButtonClick()
{
    close();
}
void TMainForm::ClearButtonClick()
{
    LogMemo->clear();
}

void TMainForm::SetCheckGroup(int group, bool checked)
{
    for (TJvCheckBox* check : CheckGroupBoxes[group])
        check->setChecked(checked);
}

void TMainForm::InvertInputsCheckAllButtonClick()
{
    SetCheckGroup(InvertInputsGroup, true);
}
void TMainForm::InvertInputsCheckNoneButtonClick()
{
    SetCheckGroup(InvertInputsGroup, false);
}
void TMainForm::InvertOutputsCheckAllButtonClick()
{
    SetCheckGroup(InvertOutputsGroup, true);
}
void TMainForm::InvertOutputsCheckNoneButtonClick()
{
    SetCheckGroup(InvertOutputsGroup, false);
}
void TMainForm::OutputStartStatusCheckAllButtonClick()
{
    SetCheckGroup(OutputStartStatusGroup, true);
}
void TMainForm::OutputStartStatusCheckNoneButtonClick()
{
    SetCheckGroup(OutputStartStatusGroup, false);
}
void TMainForm::InputActiveMessageCheckAllButtonClick()
{
    SetCheckGroup(InputActiveMessageGroup, true);
}
void TMainForm::InputActiveMessageCheckNoneButtonClick()
{
    SetCheckGroup(InputActiveMessageGroup, false);
}
void TMainForm::InputInactiveMessageCheckAllButtonClick()
{
    SetCheckGroup(InputInactiveMessageGroup, true);
}
void TMainForm::InputInactiveMessageCheckNoneButtonClick()
{
    SetCheckGroup(InputInactiveMessageGroup, false);
}

void TMainForm::HelpButtonClick()
{
    m_help.DisplayTopic(this);
}

void TMainForm::InitHelp()
{
    // Beside the executable in a build, in ../share/parlowen once installed; the full path makes help work from
    // any working directory.
    const QDir folder(QCoreApplication::applicationDirPath());
    HelpFilePath = folder.absoluteFilePath(QStringLiteral("parlowen.chm"));
    if (!QFileInfo::exists(HelpFilePath))
        HelpFilePath = QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../share/parlowen/parlowen.chm")));
    if (m_help.Initialize(HelpFilePath)) {
        qCInfo(lcHelp, "help file: %s", qUtf8Printable(HelpFilePath));
        return;
    }
    qCInfo(lcHelp, "no help file found beside %s or in ../share/parlowen", qUtf8Printable(folder.path()));
    HelpButton->hide();
}

void TMainForm::CloseHelp()
{
    if (HelpButton->isHidden())
        return;
    m_help.CloseAll();
}
