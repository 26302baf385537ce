// The main window's settings files: save and load through the file dialogs, a file opened from the command line or
// dropped on the window, and the folder the dialogs start in.
#include "files/SettingsFile.h"
#include "ui/MainForm.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kFolderKey = QStringLiteral("Files/LastFolder");

// The one local file a drag carries, or an empty string.
QString DroppedFile(const QMimeData* data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.constFirst().isLocalFile() ? urls.constFirst().toLocalFile() : QString();
}

} // namespace

void TMainForm::RestoreFileFolder()
{
    SetFileFolder(
        QSettings().value(kFolderKey, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).toString());
}

void TMainForm::SaveDataFile()
{
    CollectForm();
    if (!SaveDialog1.Execute(this))
        return;
    if (!SaveSettingsFile(SaveDialog1.FileName, Config)) {
        // No snapshot: the settings are not on disk, so closing must still ask.
        ShowError(SaveErrorText());
        LogFile(tr("File Error:"), SaveDialog1.FileName);
        return;
    }
    TakeSnapshot();
    LogFile(tr("File Saved:"), SaveDialog1.FileName);
    RememberFolderOf(SaveDialog1.FileName);
}

void TMainForm::LoadDataFile()
{
    if (RefuseLoadWhileBusy())
        return;
    if (OpenDialog1.Execute(this))
        LoadFile(OpenDialog1.FileName);
}

void TMainForm::LoadFile(const QString& fileName)
{
    if (RefuseLoadWhileBusy())
        return;
    const LoadOutcome outcome = LoadSettingsFile(fileName, Config);
    if (outcome == LoadOutcome::Loaded) {
        PresentConfig();
        TakeSnapshot();
        LogFile(tr("File Loaded:"), fileName);
        RememberFolderOf(fileName);
        return;
    }
    ShowError(LoadOutcomeText(outcome));
    if (outcome == LoadOutcome::Error) {
        LogFile(tr("File Error:"), fileName);
    }
}

void TMainForm::LogFile(const QString& label, const QString& fileName)
{
    // As the system's own dialogs spell it: C:\Users\... on Windows.
    Log(label);
    Log(QDir::toNativeSeparators(fileName));
}

void TMainForm::SetFileFolder(const QString& folder)
{
    OpenDialog1.Directory = SaveDialog1.Directory = folder;
}

void TMainForm::RememberFolderOf(const QString& fileName)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    SetFileFolder(folder);
    QSettings().setValue(kFolderKey, folder);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    const QString fileName = DroppedFile(event->mimeData());
    if (fileName.isEmpty())
        return;
    event->acceptProposedAction();
    LoadFile(fileName);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!DroppedFile(drop->mimeData()).isEmpty()) {
            if (type == QEvent::Drop)
                dropEvent(drop);
            else
                drop->acceptProposedAction();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
