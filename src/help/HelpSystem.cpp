// Help's four moments for the main window. The file is opened at start-up and kept open, so a help file removed
// while the tool runs still shows; it is released when the main window closes.
#include "help/HelpSystem.h"

#include "help/ChmFile.h"
#include "help/HelpViewer.h"

#include <QFileInfo>

THelpSystem::~THelpSystem()
{
    CloseAll();
}

bool THelpSystem::Initialize(const QString& chmPath)
{
    CloseAll();
    // Made absolute now: a later change of the working directory must not lose the file.
    const QFileInfo info(chmPath);
    if (chmPath.isEmpty() || !info.isFile())
        return false;
    auto chm = std::make_shared<TChmFile>();
    if (!chm->Open(info.absoluteFilePath()))
        return false;
    m_chm = std::move(chm);
    return true;
}

void THelpSystem::DisplayTopic(QWidget* over)
{
    if (!m_chm)
        return;
    if (!m_viewer) {
        const bool loaded = m_chm->Load();
        m_viewer = new THelpViewer(loaded ? m_chm : nullptr);
        // An open help window alone does not keep the application running.
        m_viewer->setAttribute(Qt::WA_QuitOnClose, false);
        if (!loaded) {
            // Nothing more is read from a file that failed to load; its window says why it stays empty, and the
            // Help button keeps showing that window.
            m_viewer->ShowUnreadableFile(m_chm->FilePath());
            m_chm->Close();
        }
        if (over)
            m_viewer->PlaceOver(over);
    }
    m_viewer->ShowDefaultTopic();
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

void THelpSystem::CloseAll()
{
    delete m_viewer.data();
    m_chm.reset();
}

QWidget* THelpSystem::Window() const
{
    return m_viewer.data();
}
