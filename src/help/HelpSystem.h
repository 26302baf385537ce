// The main window's help: found at start-up, shown on the Help button, closed when the main window closes.
#pragma once

#include <QPointer>
#include <QString>
#include <memory>

class QWidget;
class TChmFile;
class THelpViewer;

class THelpSystem
{
public:
    THelpSystem() = default;
    ~THelpSystem();
    THelpSystem(const THelpSystem&) = delete;
    THelpSystem& operator=(const THelpSystem&) = delete;

    // True only when the file exists and opens as a help file; the Help button is shown exactly then. Checks no
    // more than that, so that start-up stays quick: the rest of the file is read when help is first shown.
    bool Initialize(const QString& chmPath);
    // Shows the default topic; the first call creates the help window, centred on `over` when given, later calls
    // raise the same window. A file found damaged then gets a window that says so.
    void DisplayTopic(QWidget* over = nullptr);
    // Closes the help window and releases the file; help stays unavailable afterwards.
    void CloseAll();

    bool IsAvailable() const { return m_chm != nullptr; }
    QWidget* Window() const;

private:
    std::shared_ptr<TChmFile> m_chm;
    QPointer<THelpViewer> m_viewer;
};
