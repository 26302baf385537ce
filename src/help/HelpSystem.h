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

    // True only when the file exists and opens as a sound help file; the Help button is shown exactly then.
    bool Initialize(const QString& chmPath);
    // Shows the default topic; the first call creates the help window, later calls raise the same window.
    void DisplayTopic();
    // Closes the help window and releases the file; help stays unavailable afterwards.
    void CloseAll();

    bool IsAvailable() const;
    QWidget* Window() const;

private:
    std::shared_ptr<TChmFile> m_chm;
    QPointer<THelpViewer> m_viewer;
};
