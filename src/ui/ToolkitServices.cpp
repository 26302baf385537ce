// Message boxes and file dialogs on QMessageBox and QFileDialog, behind the scripted seam used by the tests.
#include "ui/ToolkitServices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QMessageBox>
#include <QQueue>
#include <QUrl>
#include <exception>

namespace {

QQueue<int> gAnswers;
QQueue<QString> gFileNames;
QList<ToolkitScript::TAskedBox> gAskedBoxes;
QList<ToolkitScript::TAskedDialog> gAskedDialogs;
QStringList gUnanswered;
QStringList gOpenedFolders;
bool gStrict = false;

QMessageBox::Icon IconOf(TMsgDlgType kind)
{
    switch (kind) {
    case TMsgDlgType::mtError:
        return QMessageBox::Critical;
    case TMsgDlgType::mtInformation:
        return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation:
        break;
    }
    return QMessageBox::Question;
}

QString CaptionOf(TMsgDlgType kind)
{
    switch (kind) {
    case TMsgDlgType::mtError:
        return QCoreApplication::translate("MessageDlg", "Error");
    case TMsgDlgType::mtInformation:
        return QCoreApplication::translate("MessageDlg", "Information");
    case TMsgDlgType::mtConfirmation:
        break;
    }
    return QCoreApplication::translate("MessageDlg", "Confirm");
}

int ResultOf(int standardButton)
{
    switch (standardButton) {
    case QMessageBox::Yes:
        return mrYes;
    case QMessageBox::No:
        return mrNo;
    case QMessageBox::Ok:
        return mrOk;
    default:
        // Cancel, Escape and the frame's close box all leave the box without a choice.
        return mrCancel;
    }
}

} // namespace

QFont ToolkitFont()
{
    QFont font;
    font.setFamilies({ QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed") });
    font.setPixelSize(11);
    return font;
}

int MessageDlg(const QString& text, TMsgDlgType kind, TMsgDlgButtons buttons, int /*helpContext*/)
{
    if (!gAnswers.isEmpty() || gStrict) {
        gAskedBoxes.append({ text, kind, buttons });
        if (gAnswers.isEmpty()) {
            gUnanswered.append(text);
            return mrCancel;
        }
        return gAnswers.dequeue();
    }
    QMessageBox box(IconOf(kind), CaptionOf(kind), text, QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons == TMsgDlgButtons::mbYesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (buttons == TMsgDlgButtons::mbYesNo) {
        // The safe answer is the default: Enter or Escape keeps things as they are.
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return ResultOf(box.exec());
}

int RunShowingEscapedErrors(const std::function<int()>& body)
{
    QString message;
    try {
        return body();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        // Something that is not a standard exception carries no message of its own.
    }
    MessageDlg(message, TMsgDlgType::mtError, TMsgDlgButtons::mbOK, 0);
    return 1;
}

TFileDialog::TFileDialog(TFileDialogKind kind)
    : Kind(kind)
{
}

bool TFileDialog::Execute(QWidget* parent)
{
    if (!gFileNames.isEmpty() || gStrict) {
        gAskedDialogs.append({ Kind, Filter, DefaultExt, Directory });
        if (gFileNames.isEmpty())
            gUnanswered.append(QStringLiteral("file dialog"));
        const QString name = gFileNames.isEmpty() ? QString() : gFileNames.dequeue();
        if (name.isEmpty())
            return false;
        FileName = name;
        return true;
    }
    QFileDialog dialog(parent);
    dialog.setNameFilters(Filter.split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(DefaultExt);
    // Neither dialog insists on anything: a typed name need not exist, and an existing file is replaced.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(Kind == TFileDialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setDirectory(Directory);
    if (Kind == TFileDialogKind::Folder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else if (!FileName.isEmpty())
        dialog.selectFile(QFileInfo(FileName).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = dialog.selectedFiles().constFirst();
    return true;
}

void OpenFolder(const QString& folder)
{
    if (gStrict)
        gOpenedFolders.append(folder);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

namespace ToolkitScript {

void SetStrict(bool strict)
{
    gStrict = strict;
}
const QStringList& OpenedFolders()
{
    return gOpenedFolders;
}
const QStringList& Unanswered()
{
    return gUnanswered;
}
void SetNextAnswer(int button)
{
    gAnswers.enqueue(button);
}
void SetNextFileName(const QString& fileName)
{
    gFileNames.enqueue(fileName);
}
const QList<TAskedBox>& AskedBoxes()
{
    return gAskedBoxes;
}
const QList<TAskedDialog>& AskedDialogs()
{
    return gAskedDialogs;
}

void Reset()
{
    gAnswers.clear();
    gFileNames.clear();
    gAskedBoxes.clear();
    gAskedDialogs.clear();
    gUnanswered.clear();
    gOpenedFolders.clear();
}

} // namespace ToolkitScript
