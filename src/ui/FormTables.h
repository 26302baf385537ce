// The main window's families of controls, described once as data: the layout builds them in loops over these
// tables and the form mapping moves them to and from the configuration block in loops over the same tables.
#pragma once

#include "config/ConfigBlock.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <cstddef>

// Texts in these tables are the window's English source texts, translated in the context "TMainForm" where they
// are shown.
constexpr int kPageCount = 4;
extern const char* const kPageCaptions[kPageCount];
QString FormText(const char* source); // a text of these tables, translated as the window shows it
QString OutputCaption(int output); // "Output 5", the caption of an output's group box

// The labels of "Message Control" that name a single setting.
struct TLabelRow
{
    const char* Name;
    const char* Caption;
    QPoint Place;
    const char* Buddy; // the control the label names
    const char* Setting; // the catalogue's name of its setting
};
extern const std::array<TLabelRow, 6> kMessagePageLabels;

using TFlagField = uint8_t (TConfigBlock::*)[kChannelCount];
using TWordField = TCommandWords TConfigBlock::*;

// A group of sixteen check boxes with its All and None buttons, listed in the order the block holds them.
struct TCheckGroupRow
{
    const char* Prefix; // InvertInputs -> InvertInputsJvCheckBox1, InvertInputsCheckAllButton ...
    const char* GroupBoxName;
    const char* Caption;
    const char* AllCaption;
    const char* NoneCaption;
    int Page; // 0 "Message Control", 1 "I/O Control"
    QRect Geometry;
    int TabOrder; // among the page's own tab stops
    TFlagField Field;
    // What assistive technology calls the boxes ("%1" is the number) and the two buttons.
    const char* BoxName;
    const char* AllName;
    const char* NoneName;
};

enum CheckGroup {
    InvertInputsGroup,
    InvertOutputsGroup,
    OutputStartStatusGroup,
    InputActiveMessageGroup,
    InputInactiveMessageGroup,
    kCheckGroupCount
};
extern const std::array<TCheckGroupRow, kCheckGroupCount> kCheckGroups;

// Where the boxes and buttons of a check-box group stand within it; k counts from 1.
QRect CheckGroupBoxGeometry(int k);
QRect CheckAllButtonGeometry();
QRect CheckNoneButtonGeometry();

// One kind of command word of every output: its edit, its Enabled check box and its two fields.
struct TCommandRow
{
    const char* Name; // On -> OutputOnEdit5, OutputOnJvCheckBox5
    const char* LabelCaption;
    const char* WordName; // what assistive technology calls the edit, "Output %1 on command word"
    const char* EnabledName; // and its check box
    int Top; // of the edit; the label stands 3 pixels lower and the check box 2
    TWordField Words;
    TFlagField Enabled;
};

constexpr int kCommandCount = 4;
extern const std::array<TCommandRow, kCommandCount> kCommands;

// The sixteen output group boxes in the order of their names and tab order; the output each one shows follows
// another order, and its place on the page is that of the output.
struct TOutputGroupRow
{
    int GroupBox; // GroupBox1 ... GroupBox16, Label6*(GroupBox-1)+1 ...
    int Output; // the number in the caption and in the names of the controls inside
};

extern const std::array<TOutputGroupRow, kChannelCount> kOutputGroups;

int OutputPage(int output); // 2 "Outputs 1 - 8" or 3 "Outputs 9 - 16"
QRect OutputGroupGeometry(int output);

// Places within an output group box.
constexpr QRect kOutputEditGeometry(56, 0, 81, 21); // top from the command
constexpr int kOutputCheckLeft = 152;
constexpr QRect kPulsePeriodGeometry(54, 136, 83, 22);

constexpr int kPulsePeriodMin = 10;
constexpr int kPulsePeriodMax = 65000;
constexpr int kInhibitInputMin = 0;
constexpr int kInhibitInputMax = 16;

// The one-line text edits of "Message Control", with their typing limits and fields.
struct TTextEditRow
{
    const char* Name;
    const char* AccessibleName;
    QRect Geometry;
    int TypingLimit;
    std::size_t Offset; // of the field in the block
    std::size_t Width;
};

enum TextEdit { DeviceNameText, PhoneNumberText, PasswordText, RequestStatusText, kTextEditCount };
extern const std::array<TTextEditRow, kTextEditCount> kTextEdits;
