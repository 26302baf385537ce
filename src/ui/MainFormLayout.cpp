// Building the main window's controls. Controls are created in their tab order, which makes Qt's focus chain
// follow it; the families come from the tables in FormTables.
#include "ui/GroupBoxStyle.h"
#include "ui/MainForm.h"
#include "ui/controls/CSpinEdit.h"
#include "ui/controls/JvCheckBox.h"
#include "ui/controls/LimitedEdit.h"
#include "ui/controls/LimitedMemo.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace {

constexpr int kClientWidth = 830;
constexpr int kClientHeight = 573;
constexpr int kPanelHeight = 93;

// What the help says of the settings whose names alone do not say what they do.
const char* const kInhibitInputDescription
    = QT_TRANSLATE_NOOP("TMainForm", "The number of the controller's inhibit input, 0 to 16.");
const char* const kPulsePeriodDescription
    = QT_TRANSLATE_NOOP("TMainForm", "How long the Pulse command keeps the output switched, 10 to 65000.");
const char* const kRequestStatusDescription = QT_TRANSLATE_NOOP(
    "TMainForm", "The request-status keyword, at most 15 characters; the Request Status box enables it.");

struct TPanelButtonRow
{
    const char* Name;
    const char* Caption;
    QPoint Place;
    QPushButton* TMainForm::*Member;
};

// In tab order.
const TPanelButtonRow kPanelButtons[] = {
    { "ExitButton", QT_TRANSLATE_NOOP("TMainForm", "Exit"), { 648, 56 }, &TMainForm::ExitButton },
    { "SaveButton", QT_TRANSLATE_NOOP("TMainForm", "Save File"), { 466, 16 }, &TMainForm::SaveButton },
    { "LoadButton", QT_TRANSLATE_NOOP("TMainForm", "Load File"), { 466, 56 }, &TMainForm::LoadButton },
    { "ReadButton", QT_TRANSLATE_NOOP("TMainForm", "Read From QUILMOX"), { 32, 56 }, &TMainForm::ReadButton },
    { "WriteButton", QT_TRANSLATE_NOOP("TMainForm", "Write To QUILMOX"), { 32, 16 }, &TMainForm::WriteButton },
    { "HelpButton", QT_TRANSLATE_NOOP("TMainForm", "Help"), { 648, 16 }, &TMainForm::HelpButton },
    { "SignalStrengthButton", QT_TRANSLATE_NOOP("TMainForm", "Get Signal Strength"), { 216, 16 },
        &TMainForm::SignalStrengthButton },
    { "CompareButton", QT_TRANSLATE_NOOP("TMainForm", "Compare With QUILMOX"), { 216, 56 }, &TMainForm::CompareButton },
};

template <typename T> T* Named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

// The output groups repeat six captions sixteen times: each caption is measured once, which also spares polishing
// the labels of the pages not on show.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& caption, QPoint place)
{
    static QHash<QString, QSize> sizes;
    auto* label = Named(new QLabel(caption, parent), name);
    auto size = sizes.constFind(caption);
    if (size == sizes.constEnd())
        size = sizes.insert(caption, label->sizeHint());
    label->setGeometry(QRect(place, *size));
    return label;
}

void Describe(QWidget* control, const char* name, const char* description = nullptr)
{
    control->setAccessibleName(FormText(name));
    if (description) {
        control->setAccessibleDescription(FormText(description));
        control->setToolTip(FormText(description));
    }
}

// Caption-less check boxes are placed 13 pixels wide; a style whose indicator is wider would cut it off.
QRect FitIndicator(const QWidget* check, QRect place)
{
    const QStyle* style = check->style();
    place.setWidth(std::max(place.width(), style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check)));
    place.setHeight(std::max(place.height(), style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, check)));
    return place;
}

QGroupBox* AddGroupBox(QWidget* parent, const QString& name, const QString& caption, QRect geometry)
{
    // One style for all twenty-one boxes; the application keeps it until it ends.
    static TGroupBoxStyle* const style = new TGroupBoxStyle;
    auto* box = Named(new QGroupBox(caption, parent), name);
    box->setStyle(style);
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
    for (int i = 0; i < int(TabSheets.size()); ++i) {
        TabSheets[i] = Named(new QWidget, QStringLiteral("TabSheet%1").arg(i + 1));
        PageControl1->addTab(TabSheets[i], FormText(kPageCaptions[i]));
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
    PageControl1->tabBar()->setAccessibleName(tr("Pages"));
}

void TMainForm::BuildMessagePage(QWidget* page)
{
    std::vector<QLabel*> labels;
    for (const TLabelRow& row : kMessagePageLabels)
        labels.push_back(AddLabel(page, QString::fromLatin1(row.Name), FormText(row.Caption), row.Place));

    SMSMessageMemo = Named(new TLimitedMemo(kMessageTextLimit, page), QStringLiteral("SMSMessageMemo"));
    SMSMessageMemo->setGeometry(28, 32, 217, 97);
    Describe(SMSMessageMemo, QT_TRANSLATE_NOOP("TMainForm", "Message"));

    auto addTextEdit = [&](TextEdit which) {
        const TTextEditRow& row = kTextEdits[which];
        auto* edit = Named(new TLimitedEdit(row.TypingLimit, page), QString::fromLatin1(row.Name));
        edit->setGeometry(row.Geometry);
        Describe(edit, row.AccessibleName, which == RequestStatusText ? kRequestStatusDescription : nullptr);
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
    Describe(LogMemo, QT_TRANSLATE_NOOP("TMainForm", "Log"));

    ClearButton = Named(new QPushButton(tr("Clear"), page), QStringLiteral("ClearButton"));
    ClearButton->setGeometry(576, 338, 75, 25);
    ClearButton->setAutoDefault(false);
    Describe(ClearButton, QT_TRANSLATE_NOOP("TMainForm", "Clear log"));

    addTextEdit(PasswordText);
    InhibitInputCSpinEdit
        = Named(new TCSpinEdit(kInhibitInputMin, kInhibitInputMax, page), QStringLiteral("InhibitInputCSpinEdit"));
    InhibitInputCSpinEdit->setGeometry(340, 151, 49, 22);
    Describe(InhibitInputCSpinEdit, QT_TRANSLATE_NOOP("TMainForm", "Inhibit input"), kInhibitInputDescription);
    addTextEdit(RequestStatusText);

    RequestStatusJvCheckBox = Named(new TJvCheckBox(page), QStringLiteral("RequestStatusJvCheckBox"));
    RequestStatusJvCheckBox->setGeometry(FitIndicator(RequestStatusJvCheckBox, QRect(108, 153, 13, 17)));
    RequestStatusJvCheckBox->AddLinkedControl(TextEdits[RequestStatusText]);
    Describe(RequestStatusJvCheckBox, QT_TRANSLATE_NOOP("TMainForm", "Request status enabled"));

    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setBuddy(page->findChild<QWidget*>(QString::fromLatin1(kMessagePageLabels[i].Buddy)));
}

void TMainForm::BuildCheckGroup(int group, QWidget* page)
{
    const TCheckGroupRow& row = kCheckGroups[group];
    const QString prefix = QString::fromLatin1(row.Prefix);
    auto* box = AddGroupBox(page, QString::fromLatin1(row.GroupBoxName), FormText(row.Caption), row.Geometry);
    for (int k = 1; k <= kChannelCount; ++k) {
        auto* check = Named(new TJvCheckBox(box), prefix + QStringLiteral("JvCheckBox%1").arg(k));
        check->setText(QString::number(k));
        check->setGeometry(CheckGroupBoxGeometry(k));
        check->setAccessibleName(FormText(row.BoxName).arg(k));
        CheckGroupBoxes[group][k - 1] = check;
    }
    auto addButton = [&](const char* suffix, const char* caption, QRect place, const char* spoken) {
        auto* button = Named(new QPushButton(FormText(caption), box), prefix + QString::fromLatin1(suffix));
        button->setGeometry(place);
        button->setAutoDefault(false);
        Describe(button, spoken);
        return button;
    };
    CheckAllButtons[group] = addButton("CheckAllButton", row.AllCaption, CheckAllButtonGeometry(), row.AllName);
    CheckNoneButtons[group] = addButton("CheckNoneButton", row.NoneCaption, CheckNoneButtonGeometry(), row.NoneName);
}

void TMainForm::BuildOutputGroup(const TOutputGroupRow& row, QWidget* page)
{
    const int n = row.Output;
    auto* box
        = AddGroupBox(page, QStringLiteral("GroupBox%1").arg(row.GroupBox), OutputCaption(n), OutputGroupGeometry(n));

    int label = 6 * (row.GroupBox - 1);
    for (const TCommandRow& command : kCommands) {
        AddLabel(
            box, QStringLiteral("Label%1").arg(++label), FormText(command.LabelCaption), QPoint(16, command.Top + 3));
    }
    auto* period = Named(new QLabel(tr("Pulse period"), box), QStringLiteral("Label%1").arg(++label));
    period->setWordWrap(true);
    period->setGeometry(16, 136, 36, 26); // wider than 30: fallback fonts run wider than Tahoma
    AddLabel(box, QStringLiteral("Label%1").arg(++label), tr("Enabled"), { 143, 7 });

    for (int c = 0; c < kCommandCount; ++c) {
        const QString name = QStringLiteral("Output%1Edit%2").arg(QString::fromLatin1(kCommands[c].Name)).arg(n);
        auto* edit = Named(new TLimitedEdit(kCommandWordSize - 1, box), name);
        edit->setGeometry(kOutputEditGeometry.translated(0, kCommands[c].Top));
        edit->setAccessibleName(FormText(kCommands[c].WordName).arg(n));
        OutputEdits[c][n - 1] = edit;
    }
    for (int c = 0; c < kCommandCount; ++c) {
        const QString name = QStringLiteral("Output%1JvCheckBox%2").arg(QString::fromLatin1(kCommands[c].Name)).arg(n);
        auto* check = Named(new TJvCheckBox(box), name);
        check->setGeometry(FitIndicator(check, QRect(kOutputCheckLeft, kCommands[c].Top + 2, 13, 17)));
        check->setAccessibleName(FormText(kCommands[c].EnabledName).arg(n));
        check->AddLinkedControl(OutputEdits[c][n - 1]);
        OutputJvCheckBoxes[c][n - 1] = check;
    }
    auto* spin
        = Named(new TCSpinEdit(kPulsePeriodMin, kPulsePeriodMax, box), QStringLiteral("OutputPulseCSpinEdit%1").arg(n));
    spin->setGeometry(kPulsePeriodGeometry);
    spin->setAccessibleName(tr("Output %1 pulse period").arg(n));
    spin->setAccessibleDescription(FormText(kPulsePeriodDescription));
    spin->setToolTip(spin->accessibleDescription());
    OutputPulseCSpinEdits[n - 1] = spin;
    OutputJvCheckBoxes[kCommandCount - 1][n - 1]->AddLinkedControl(spin);
}

void TMainForm::BuildButtonPanel()
{
    for (const TPanelButtonRow& row : kPanelButtons) {
        auto* button = Named(new QPushButton(FormText(row.Caption), Panel1), QString::fromLatin1(row.Name));
        button->setGeometry(QRect(row.Place, QSize(113, 25)));
        button->setAutoDefault(false);
        button->setAccessibleName(button->text());
        this->*row.Member = button;
    }
    // "Compare With QUILMOX" is the longest caption; where the font is wider than Tahoma it would be cut, so its
    // column grows to hold it, both buttons alike. The English caption decides, so that the window stands alike in
    // every language: a translation fits the width, never widens it.
    const QString caption = CompareButton->text();
    CompareButton->setText(QStringLiteral("Compare With QUILMOX"));
    const int wanted = CompareButton->sizeHint().width();
    CompareButton->setText(caption);
    if (wanted > CompareButton->width()) {
        for (QPushButton* button : { SignalStrengthButton, CompareButton })
            button->resize(wanted, button->height());
    }
    // Site Work is made last, so that it ends the tab order, in the free space between Compare and Load File.
    SiteWorkButton = new QPushButton(tr("Site Work…"), Panel1);
    SiteWorkButton->setObjectName(QStringLiteral("SiteWorkButton"));
    SiteWorkButton->setAutoDefault(false);
    SiteWorkButton->setAccessibleName(tr("Site Work"));
    SiteWorkButton->setAccessibleDescription(
        tr("A batch of controllers from one template and a table of units, each verified and recorded."));
    SiteWorkButton->setToolTip(SiteWorkButton->accessibleDescription());
    const int free = LoadButton->x() - (CompareButton->x() + CompareButton->width());
    const int width = std::max(100, SiteWorkButton->sizeHint().width());
    SiteWorkButton->setGeometry(CompareButton->x() + CompareButton->width() + (free - width) / 2, CompareButton->y(),
        width, CompareButton->height());
}
