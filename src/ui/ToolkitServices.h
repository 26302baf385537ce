// Modal message boxes and file dialogs. Every box and dialog of the tool goes through here, so that a test can
// answer them by script and read back what was asked instead of blocking on a modal window.
#pragma once

#include <QList>
#include <QString>
#include <functional>

class QFont;
class QWidget;

// Tahoma 8 pt (11 pixels) where the system has it, else the nearest sans-serif of similar width.
QFont ToolkitFont();

enum class TMsgDlgType { mtError, mtInformation, mtConfirmation };
enum class TMsgDlgButtons { mbOK, mbYesNoCancel, mbYesNo };

// The button results the tool tells apart; any other value means "no, or nothing the tool acts on".
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// Shows a modal box and returns the pressed button: mrYes, mrNo, mrOk, or mrCancel for Cancel and for a box
// dismissed without a choice. The help context is accepted for the callers' sake; boxes carry no help topic.
int MessageDlg(const QString& text, TMsgDlgType kind, TMsgDlgButtons buttons, int helpContext);

enum class TFileDialogKind { Open, Save, Folder };

// A file dialog as the main window keeps it: the filter and default extension are set once, Execute runs it
// modally and, when the operator confirms, FileName holds the chosen file's (or, for Folder, folder's) full path.
class TFileDialog
{
public:
    explicit TFileDialog(TFileDialogKind kind);

    bool Execute(QWidget* parent);

    TFileDialogKind Kind;
    QString Filter; // "Description (*.ext);;..."
    QString DefaultExt; // appended when the typed name has no extension; empty for none
    QString Directory; // where the dialog starts
    QString FileName;
};

// Shows the folder in the system's file manager.
void OpenFolder(const QString& folder);

// Scripted answers for tests. While answers are queued, boxes and dialogs are not shown: each call takes the
// next answer and records what it was asked. In strict mode a box or dialog with no answer queued is not shown
// either: it is recorded as unanswered and cancelled, so that a test fails at once instead of waiting on it.
// Runs `body` and returns its result; an exception that escapes it is shown in an error box (a standard
// exception with its message, anything else with none), and the result is then 1, so that the tool does not end
// as if all went well.
int RunShowingEscapedErrors(const std::function<int()>& body);

namespace ToolkitScript {

struct TAskedBox
{
    QString Text;
    TMsgDlgType Kind;
    TMsgDlgButtons Buttons;
};

struct TAskedDialog
{
    TFileDialogKind Kind;
    QString Filter;
    QString DefaultExt;
    QString Directory;
};

void SetStrict(bool strict);
void SetNextAnswer(int button);
// An empty name answers as a cancelled dialog.
void SetNextFileName(const QString& fileName);
const QList<TAskedBox>& AskedBoxes();
const QList<TAskedDialog>& AskedDialogs();
// In strict mode no folder is shown: these are the ones OpenFolder was asked to show.
const QStringList& OpenedFolders();
// Texts of boxes (and "file dialog") met in strict mode with no answer queued.
const QStringList& Unanswered();
// Forgets queued answers and everything asked.
void Reset();

} // namespace ToolkitScript
