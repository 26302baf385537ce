// The tables behind the main window's generated controls.
#include "ui/FormTables.h"

const std::array<TCheckGroupRow, kCheckGroupCount> kCheckGroups = { {
    { "InvertInputs", "AdvGroupBox2", "Invert Inputs", "Invert All", "Invert None", 1, QRect(20, 3, 345, 129), 2,
        &TConfigBlock::InvertInputs, "Invert input %1", "Invert all inputs", "Invert no inputs" },
    { "InvertOutputs", "AdvGroupBox1", "Invert Outputs", "Invert All", "Invert None", 1, QRect(20, 138, 345, 129), 1,
        &TConfigBlock::InvertOutputs, "Invert output %1", "Invert all outputs", "Invert no outputs" },
    { "OutputStartStatus", "OutputStartStatusAdvGroupBox", "Output Start Status", "All Active", "None Active", 1,
        QRect(380, 3, 345, 129), 0, &TConfigBlock::OutputStartStatus, "Output start status %1",
        "All outputs active at start", "No outputs active at start" },
    { "InputActiveMessage", "AdvGroupBox3", "Send Message on Active Input", "All Active", "None Active", 0,
        QRect(28, 206, 345, 118), 3, &TConfigBlock::InputActiveMessage, "Send message on active input %1",
        "Send message on all active inputs", "Send message on no active input" },
    { "InputInactiveMessage", "AdvGroupBox4", "Send Message on Inactive Input", "All Active", "None Active", 0,
        QRect(28, 330, 345, 119), 4, &TConfigBlock::InputInactiveMessage, "Send message on inactive input %1",
        "Send message on all inactive inputs", "Send message on no inactive input" },
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
    { "On", "On", "on", 24, &TConfigBlock::OutputOn, &TConfigBlock::OutputOnEnabled },
    { "Off", "Off", "off", 51, &TConfigBlock::OutputOff, &TConfigBlock::OutputOffEnabled },
    { "Toggle", "Toggle", "toggle", 78, &TConfigBlock::OutputToggle, &TConfigBlock::OutputToggleEnabled },
    { "Pulse", "Pulse", "pulse", 105, &TConfigBlock::OutputPulse, &TConfigBlock::OutputPulseEnabled },
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
    { "DeviceNameEdit", "Device name", QRect(268, 76, 121, 21), 30, offsetof(TConfigBlock, DeviceName), 32 },
    { "PhoneNumberEdit", "Phone number", QRect(268, 32, 121, 21), 32, offsetof(TConfigBlock, PhoneNumber), 32 },
    { "PasswordEdit", "Password", QRect(268, 122, 121, 21), 8, offsetof(TConfigBlock, Password), 16 },
    { "RequestStatusEdit", "Request status keyword", QRect(28, 173, 81, 21), 15, offsetof(TConfigBlock, RequestStatus), 16 },
} };
