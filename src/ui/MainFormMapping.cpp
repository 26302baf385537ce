// Moving the configuration between the controls and the working block. Element n - 1 of a field always belongs
// to the control numbered n, wherever that control stands on the window.
#include "config/AnsiText.h"
#include "ui/MainForm.h"
#include "ui/controls/CSpinEdit.h"
#include "ui/controls/JvCheckBox.h"
#include "ui/controls/LimitedEdit.h"
#include "ui/controls/LimitedMemo.h"

#include <cstring>

namespace {

uint8_t Flag(bool on)
{
    return on ? 1 : 0;
}

} // namespace

void TMainForm::CollectForm()
{
    CollectForm(Config);
}

void TMainForm::CollectForm(TConfigBlock& into) const
{
    uint8_t* block = BlockBytes(into);
    for (int t = 0; t < kTextEditCount; ++t)
        WriteTextField(block + kTextEdits[t].Offset, kTextEdits[t].Width, TextEdits[t]->text());

    // The memo's lines are joined without separators; the field keeps room for the text's zero byte and one
    // more zero, so a longer text keeps its first kMessageTextLimit bytes.
    const QByteArray message = ToAnsi(SMSMessageMemo->Lines().join(QString()));
    WriteFieldBytes(into.SMSMessage, sizeof into.SMSMessage, message.left(kMessageTextLimit));

    into.InhibitInput = InhibitInputCSpinEdit->Value();

    for (int g = 0; g < kCheckGroupCount; ++g) {
        if (g == InputActiveMessageGroup)
            into.RequestStatusEnabled = Flag(RequestStatusJvCheckBox->isChecked());
        for (int i = 0; i < kChannelCount; ++i)
            (into.*kCheckGroups[g].Field)[i] = Flag(CheckGroupBoxes[g][i]->isChecked());
    }

    for (int c = 0; c < kCommandCount; ++c) {
        TCommandWords& words = into.*kCommands[c].Words;
        std::memset(words, 0, sizeof words);
        for (int i = 0; i < kChannelCount; ++i)
            WriteTextField(words[i], OutputEdits[c][i]->text());
    }
    // An edit is enabled exactly while its Enabled box is checked, so its state is the flag.
    for (int c = 0; c < kCommandCount; ++c) {
        for (int i = 0; i < kChannelCount; ++i)
            (into.*kCommands[c].Enabled)[i] = Flag(OutputEdits[c][i]->isEnabled());
    }
    for (int i = 0; i < kChannelCount; ++i)
        into.OutputPulsePeriod[i] = OutputPulseCSpinEdits[i]->Value();
}

void TMainForm::PresentConfig()
{
    const uint8_t* block = BlockBytes(Config);
    for (int t = 0; t < kTextEditCount; ++t)
        TextEdits[t]->setText(ReadTextField(block + kTextEdits[t].Offset, kTextEdits[t].Width));

    SMSMessageMemo->setPlainText(ReadTextField(Config.SMSMessage));

    InhibitInputCSpinEdit->SetValue(Config.InhibitInput);

    for (int g = 0; g < kCheckGroupCount; ++g) {
        if (g == InputActiveMessageGroup)
            RequestStatusJvCheckBox->setChecked(Config.RequestStatusEnabled != 0);
        for (int i = 0; i < kChannelCount; ++i)
            CheckGroupBoxes[g][i]->setChecked((Config.*kCheckGroups[g].Field)[i] != 0);
    }

    for (int c = 0; c < kCommandCount; ++c) {
        for (int i = 0; i < kChannelCount; ++i)
            OutputEdits[c][i]->setText(ReadTextField((Config.*kCommands[c].Words)[i]));
    }
    for (int c = 0; c < kCommandCount; ++c) {
        for (int i = 0; i < kChannelCount; ++i)
            OutputJvCheckBoxes[c][i]->setChecked((Config.*kCommands[c].Enabled)[i] != 0);
    }
    for (int i = 0; i < kChannelCount; ++i)
        OutputPulseCSpinEdits[i]->SetValue(Config.OutputPulsePeriod[i]);
}
