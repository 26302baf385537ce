// Building the main window's controls. Controls are created in their tab order, which makes Qt's focus chain
// follow it; the families come from the tables in FormTables.
#include "ui/controls/CSpinEdit.h"
#include "ui/controls/JvCheckBox.h"
#include "ui/controls/LimitedEdit.h"
#include "ui/controls/LimitedMemo.h"
#include "ui/MainForm.h"

#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kClientWidth = 830;
constexpr int kClientHeight = 573;
constexpr int kPanelHeight = 93;

struct TLabelRow
{
    const char* Name;
    const char* Caption;
    QPoint Place;
};

const TLabelRow kMessagePageLabels[] = {
    { "Label97", "Message:", { 28, 13 } },
    { "Label98", "Phone Number:", { 268, 13 } },
    { "Label99", "Device Name:", { 268, 59 } },
    { "Label100", "Password:", { 268, 103 } },
    { "Label102", "Request Status", { 28, 154 } },
    { "Label101", "Inhibit Input", { 266, 154 } },
};

struct TPanelButtonRow
{
    const char* Name;
    const char* Caption;
    QPoint Place;
    QPushButton* TMainForm::*Member;
};

// In tab order.
const TPanelButtonRow kPanelButtons[] = {
    { "ExitButton", "Exit", { 648, 56 }, &TMainForm::ExitButton },
    { "SaveButton", "Save File", { 466, 16 }, &TMainForm::SaveButton },
    { "LoadButton", "Load File", { 466, 56 }, &TMainForm::LoadButton },
    { "ReadButton", "Read From QUILMOX", { 32, 56 }, &TMainForm::ReadButton },
    { "WriteButton", "Write To QUILMOX", { 32, 16 }, &TMainForm::WriteButton },
    { "HelpButton", "Help", { 648, 16 }, &TMainForm::HelpButton },
    { "SignalStrengthButton", "Get Signal Strength", { 216, 16 }, &TMainForm::SignalStrengthButton },
};

template <typename T> T* Named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& caption, QPoint place)
{
    auto* label = Named(new QLabel(caption, parent), name);
    label->move(place);
    label->adjustSize();
    return label;
}

// A group box drawn with its caption set into the frame's top line, so that controls placed just under the
// caption stay inside the frame.
QGroupBox* AddGroupBox(QWidget* parent, const QString& name, const QString& caption, QRect geometry)
{
    auto* box = Named(new QGroupBox(caption, parent), name);
    // A style sheet resolves the font of the box and its controls afresh, so it names the window's font too.
    // The same sheet serves all twenty-one boxes.
    static const QString styleSheet = [] {
        const QFontInfo font(ToolkitFont());
        return QStringLiteral("* { font-family: \"%1\"; font-size: %2px; }"
                              "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
                              "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }")
            .arg(font.family())
            .arg(font.pixelSize());
    }();
    box->setStyleSheet(styleSheet);
    box->setGeometry(geometry);
    return box;
}

} // namespace

void TMainForm::BuildLayout()
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("MainForm"));
    setFont(ToolkitFont());
    resize(kClientWidth, kClientHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    PageControl1 = Named(new QTabWidget(this), QStringLiteral("PageControl1"));
    layout->addWidget(PageControl1, 1);
    const char* const pageCaptions[] = { "Message Control", "I/O Control", "Outputs 1 - 8", "Outputs 9 - 16" };
    for (int i = 0; i < int(TabSheets.size()); ++i) {
        TabSheets[i] = Named(new QWidget, QStringLiteral("TabSheet%1").arg(i + 1));
        PageControl1->addTab(TabSheets[i], QString::fromLatin1(pageCaptions[i]));
    }

    BuildMessagePage(TabSheets[0]);

    std::array<int, kCheckGroupCount> groups {};
    for (int g = 0; g < kCheckGroupCount; ++g)
        groups[g] = g;
    std::sort(
        groups.begin(), groups.end(), [](int a, int b) { return kCheckGroups[a].TabOrder < kCheckGroups[b].TabOrder; });
    for (int g : groups) {
        if (kCheckGroups[g].Page == 1)
            BuildCheckGroup(g, TabSheets[1]);
    }

    for (const TOutputGroupRow& row : kOutputGroups)
        BuildOutputGroup(row, TabSheets[OutputPage(row.Output)]);

    Panel1 = Named(new QFrame(this), QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(kPanelHeight);
    layout->addWidget(Panel1);
    BuildButtonPanel();

    // The layout keeps "Outputs 1 - 8" active; FormCreate turns to the first page.
    PageControl1->setCurrentIndex(2);
}

void TMainForm::BuildMessagePage(QWidget* page)
{
    for (const TLabelRow& row : kMessagePageLabels)
        AddLabel(page, QString::fromLatin1(row.Name), QString::fromLatin1(row.Caption), row.Place);

    SMSMessageMemo = Named(new TLimitedMemo(kMessageLimit, page), QStringLiteral("SMSMessageMemo"));
    SMSMessageMemo->setGeometry(28, 32, 217, 97);
    SMSMessageMemo->setPlainText(QStringLiteral("Memo1"));

    auto addTextEdit = [&](TextEdit which) {
        const TTextEditRow& row = kTextEdits[which];
        auto* edit = Named(new TLimitedEdit(row.TypingLimit, page), QString::fromLatin1(row.Name));
        edit->setGeometry(row.Geometry);
        edit->setText(which == RequestStatusText ? QStringLiteral("OutputOnEdit1") : edit->objectName());
        TextEdits[which] = edit;
    };
    addTextEdit(DeviceNameText);
    addTextEdit(PhoneNumberText);
    BuildCheckGroup(InputActiveMessageGroup, page);
    BuildCheckGroup(InputInactiveMessageGroup, page);

    LogMemo = Named(new QPlainTextEdit(page), QStringLiteral("LogMemo"));
    LogMemo->setGeometry(424, 10, 369, 313);
    LogMemo->setReadOnly(true);
    LogMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette logPalette = LogMemo->palette();
    logPalette.setColor(QPalette::Base, logPalette.color(QPalette::Button));
    LogMemo->setPalette(logPalette);

    ClearButton = Named(new QPushButton(QStringLiteral("Clear"), page), QStringLiteral("ClearButton"));
    ClearButton->setGeometry(576, 338, 75, 25);
    ClearButton->setAutoDefault(false);

    addTextEdit(PasswordText);
    InhibitInputCSpinEdit
        = Named(new TCSpinEdit(kInhibitInputMin, kInhibitInputMax, page), QStringLiteral("InhibitInputCSpinEdit"));
    InhibitInputCSpinEdit->setGeometry(340, 151, 49, 22);
    addTextEdit(RequestStatusText);

    RequestStatusJvCheckBox = Named(new TJvCheckBox(page), QStringLiteral("RequestStatusJvCheckBox"));
    RequestStatusJvCheckBox->setGeometry(108, 153, 13, 17);
    RequestStatusJvCheckBox->AddLinkedControl(TextEdits[RequestStatusText]);
}

void TMainForm::BuildCheckGroup(int group, QWidget* page)
{
    const TCheckGroupRow& row = kCheckGroups[group];
    const QString prefix = QString::fromLatin1(row.Prefix);
    auto* box
        = AddGroupBox(page, QString::fromLatin1(row.GroupBoxName), QString::fromLatin1(row.Caption), row.Geometry);
    for (int k = 1; k <= kChannelCount; ++k) {
        auto* check = Named(new TJvCheckBox(box), prefix + QStringLiteral("JvCheckBox%1").arg(k));
        check->setText(QString::number(k));
        check->setGeometry(CheckGroupBoxGeometry(k));
        CheckGroupBoxes[group][k - 1] = check;
    }
    auto addButton = [&](const char* suffix, const char* caption, QRect place) {
        auto* button = Named(new QPushButton(QString::fromLatin1(caption), box), prefix + QString::fromLatin1(suffix));
        button->setGeometry(place);
        button->setAutoDefault(false);
        return button;
    };
    CheckAllButtons[group] = addButton("CheckAllButton", row.AllCaption, CheckAllButtonGeometry());
    CheckNoneButtons[group] = addButton("CheckNoneButton", row.NoneCaption, CheckNoneButtonGeometry());
}

void TMainForm::BuildOutputGroup(const TOutputGroupRow& row, QWidget* page)
{
    const int n = row.Output;
    auto* box = AddGroupBox(page, QStringLiteral("GroupBox%1").arg(row.GroupBox), QStringLiteral("Output %1").arg(n),
        OutputGroupGeometry(n));

    int label = 6 * (row.GroupBox - 1);
    for (const TCommandRow& command : kCommands) {
        AddLabel(box, QStringLiteral("Label%1").arg(++label), QString::fromLatin1(command.LabelCaption),
            QPoint(16, command.Top + 3));
    }
    auto* period = AddLabel(box, QStringLiteral("Label%1").arg(++label), QStringLiteral("Pulse period"), { 16, 136 });
    period->setWordWrap(true);
    period->setGeometry(16, 136, 36, 26); // wider than 30: fallback fonts run wider than Tahoma
    AddLabel(box, QStringLiteral("Label%1").arg(++label), QStringLiteral("Enabled"), { 143, 7 });

    for (int c = 0; c < kCommandCount; ++c) {
        const QString name = QStringLiteral("Output%1Edit%2").arg(QString::fromLatin1(kCommands[c].Name)).arg(n);
        auto* edit = Named(new TLimitedEdit(kCommandWordSize - 1, box), name);
        edit->setGeometry(kOutputEditGeometry.translated(0, kCommands[c].Top));
        edit->setText(c == 0 ? QStringLiteral("OutputOnEdit1") : QStringLiteral("Edit1"));
        OutputEdits[c][n - 1] = edit;
    }
    for (int c = 0; c < kCommandCount; ++c) {
        const QString name = QStringLiteral("Output%1JvCheckBox%2").arg(QString::fromLatin1(kCommands[c].Name)).arg(n);
        auto* check = Named(new TJvCheckBox(box), name);
        check->setGeometry(kOutputCheckLeft, kCommands[c].Top + 2, 13, 17);
        check->AddLinkedControl(OutputEdits[c][n - 1]);
        OutputJvCheckBoxes[c][n - 1] = check;
    }
    auto* spin
        = Named(new TCSpinEdit(kPulsePeriodMin, kPulsePeriodMax, box), QStringLiteral("OutputPulseCSpinEdit%1").arg(n));
    spin->setGeometry(kPulsePeriodGeometry);
    OutputPulseCSpinEdits[n - 1] = spin;
    OutputJvCheckBoxes[kCommandCount - 1][n - 1]->AddLinkedControl(spin);
}

void TMainForm::BuildButtonPanel()
{
    for (const TPanelButtonRow& row : kPanelButtons) {
        auto* button = Named(new QPushButton(QString::fromLatin1(row.Caption), Panel1), QString::fromLatin1(row.Name));
        button->setGeometry(QRect(row.Place, QSize(113, 25)));
        button->setAutoDefault(false);
        this->*row.Member = button;
    }
}
