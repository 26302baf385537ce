// The tables behind the main window's generated controls.
#include "ui/FormTables.h"

#include <QCoreApplication>

const char* const kPageCaptions[kPageCount] = {
    QT_TRANSLATE_NOOP("TMainForm", "Message Control"),
    QT_TRANSLATE_NOOP("TMainForm", "I/O Control"),
    QT_TRANSLATE_NOOP("TMainForm", "Outputs 1 - 8"),
    QT_TRANSLATE_NOOP("TMainForm", "Outputs 9 - 16"),
};

const std::array<TLabelRow, 6> kMessagePageLabels = { {
    { "Label97", QT_TRANSLATE_NOOP("TMainForm", "Message:"), { 28, 13 }, "SMSMessageMemo", "message" },
    { "Label98", QT_TRANSLATE_NOOP("TMainForm", "Phone Number:"), { 268, 13 }, "PhoneNumberEdit", "phone_number" },
    { "Label99", QT_TRANSLATE_NOOP("TMainForm", "Device Name:"), { 268, 59 }, "DeviceNameEdit", "device_name" },
    { "Label100", QT_TRANSLATE_NOOP("TMainForm", "Password:"), { 268, 103 }, "PasswordEdit", "password" },
    { "Label102", QT_TRANSLATE_NOOP("TMainForm", "Request Status"), { 28, 154 }, "RequestStatusEdit",
        "request_status" },
    { "Label101", QT_TRANSLATE_NOOP("TMainForm", "Inhibit Input"), { 266, 154 }, "InhibitInputCSpinEdit",
        "inhibit_input" },
} };

QString FormText(const char* source)
{
    return QCoreApplication::translate("TMainForm", source);
}

QString OutputCaption(int output)
{
    return QCoreApplication::translate("TMainForm", "Output %1").arg(output);
}

const std::array<TCheckGroupRow, kCheckGroupCount> kCheckGroups = { {
    { "InvertInputs", "AdvGroupBox2", QT_TRANSLATE_NOOP("TMainForm", "Invert Inputs"),
        QT_TRANSLATE_NOOP("TMainForm", "Invert All"), QT_TRANSLATE_NOOP("TMainForm", "Invert None"), 1,
        QRect(20, 3, 345, 129), 2, &TConfigBlock::InvertInputs, QT_TRANSLATE_NOOP("TMainForm", "Invert input %1"),
        QT_TRANSLATE_NOOP("TMainForm", "Invert all inputs"), QT_TRANSLATE_NOOP("TMainForm", "Invert no inputs") },
    { "InvertOutputs", "AdvGroupBox1", QT_TRANSLATE_NOOP("TMainForm", "Invert Outputs"),
        QT_TRANSLATE_NOOP("TMainForm", "Invert All"), QT_TRANSLATE_NOOP("TMainForm", "Invert None"), 1,
        QRect(20, 138, 345, 129), 1, &TConfigBlock::InvertOutputs, QT_TRANSLATE_NOOP("TMainForm", "Invert output %1"),
        QT_TRANSLATE_NOOP("TMainForm", "Invert all outputs"), QT_TRANSLATE_NOOP("TMainForm", "Invert no outputs") },
    { "OutputStartStatus", "OutputStartStatusAdvGroupBox", QT_TRANSLATE_NOOP("TMainForm", "Output Start Status"),
        QT_TRANSLATE_NOOP("TMainForm", "All Active"), QT_TRANSLATE_NOOP("TMainForm", "None Active"), 1,
        QRect(380, 3, 345, 129), 0, &TConfigBlock::OutputStartStatus,
        QT_TRANSLATE_NOOP("TMainForm", "Output start status %1"),
        QT_TRANSLATE_NOOP("TMainForm", "All outputs active at start"),
        QT_TRANSLATE_NOOP("TMainForm", "No outputs active at start") },
    { "InputActiveMessage", "AdvGroupBox3", QT_TRANSLATE_NOOP("TMainForm", "Send Message on Active Input"),
        QT_TRANSLATE_NOOP("TMainForm", "All Active"), QT_TRANSLATE_NOOP("TMainForm", "None Active"), 0,
        QRect(28, 206, 345, 118), 3, &TConfigBlock::InputActiveMessage,
        QT_TRANSLATE_NOOP("TMainForm", "Send message on active input %1"),
        QT_TRANSLATE_NOOP("TMainForm", "Send message on all active inputs"),
        QT_TRANSLATE_NOOP("TMainForm", "Send message on no active input") },
    { "InputInactiveMessage", "AdvGroupBox4", QT_TRANSLATE_NOOP("TMainForm", "Send Message on Inactive Input"),
        QT_TRANSLATE_NOOP("TMainForm", "All Active"), QT_TRANSLATE_NOOP("TMainForm", "None Active"), 0,
        QRect(28, 330, 345, 119), 4, &TConfigBlock::InputInactiveMessage,
        QT_TRANSLATE_NOOP("TMainForm", "Send message on inactive input %1"),
        QT_TRANSLATE_NOOP("TMainForm", "Send message on all inactive inputs"),
        QT_TRANSLATE_NOOP("TMainForm", "Send message on no inactive input") },
} };

QRect CheckGroupBoxGeometry(int k)
{
    const int column = (k - 1) % 8;
    const int top = k <= 8 ? 24 : 56;
    return QRect(24 + 40 * column, top, k < 10 ? 27 : 33, 17);
}

QRect CheckAllButtonGeometry()
{
    return QRect(56, 96, 75, 17);
}
QRect CheckNoneButtonGeometry()
{
    return QRect(216, 96, 75, 17);
}

const std::array<TCommandRow, kCommandCount> kCommands = { {
    { "On", QT_TRANSLATE_NOOP("TMainForm", "On"), QT_TRANSLATE_NOOP("TMainForm", "Output %1 on command word"),
        QT_TRANSLATE_NOOP("TMainForm", "Output %1 on command enabled"), 24, &TConfigBlock::OutputOn,
        &TConfigBlock::OutputOnEnabled },
    { "Off", QT_TRANSLATE_NOOP("TMainForm", "Off"), QT_TRANSLATE_NOOP("TMainForm", "Output %1 off command word"),
        QT_TRANSLATE_NOOP("TMainForm", "Output %1 off command enabled"), 51, &TConfigBlock::OutputOff,
        &TConfigBlock::OutputOffEnabled },
    { "Toggle", QT_TRANSLATE_NOOP("TMainForm", "Toggle"),
        QT_TRANSLATE_NOOP("TMainForm", "Output %1 toggle command word"),
        QT_TRANSLATE_NOOP("TMainForm", "Output %1 toggle command enabled"), 78, &TConfigBlock::OutputToggle,
        &TConfigBlock::OutputToggleEnabled },
    { "Pulse", QT_TRANSLATE_NOOP("TMainForm", "Pulse"), QT_TRANSLATE_NOOP("TMainForm", "Output %1 pulse command word"),
        QT_TRANSLATE_NOOP("TMainForm", "Output %1 pulse command enabled"), 105, &TConfigBlock::OutputPulse,
        &TConfigBlock::OutputPulseEnabled },
} };

// Each page's second row is named and tabbed right to left, and "Outputs 9 - 16" runs right to left throughout.
const std::array<TOutputGroupRow, kChannelCount> kOutputGroups = { {
    { 1, 1 },
    { 2, 2 },
    { 3, 3 },
    { 4, 4 },
    { 5, 8 },
    { 6, 7 },
    { 7, 6 },
    { 8, 5 },
    { 9, 12 },
    { 10, 11 },
    { 11, 10 },
    { 12, 9 },
    { 13, 16 },
    { 14, 15 },
    { 15, 14 },
    { 16, 13 },
} };

int OutputPage(int output)
{
    return output <= 8 ? 2 : 3;
}

QRect OutputGroupGeometry(int output)
{
    const int column = (output - 1) % 4;
    const int row = ((output - 1) / 4) % 2;
    return QRect(16 + 199 * column, 16 + 192 * row, 193, 177);
}

const std::array<TTextEditRow, kTextEditCount> kTextEdits = { {
    { "DeviceNameEdit", QT_TRANSLATE_NOOP("TMainForm", "Device name"), QRect(268, 76, 121, 21), 30,
        offsetof(TConfigBlock, DeviceName), 32 },
    { "PhoneNumberEdit", QT_TRANSLATE_NOOP("TMainForm", "Phone number"), QRect(268, 32, 121, 21), 32,
        offsetof(TConfigBlock, PhoneNumber), 32 },
    { "PasswordEdit", QT_TRANSLATE_NOOP("TMainForm", "Password"), QRect(268, 122, 121, 21), 8,
        offsetof(TConfigBlock, Password), 16 },
    { "RequestStatusEdit", QT_TRANSLATE_NOOP("TMainForm", "Request status keyword"), QRect(28, 173, 81, 21), 15,
        offsetof(TConfigBlock, RequestStatus), 16 },
} };
