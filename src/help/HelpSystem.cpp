// Help's four moments for the main window. The file is opened once at start-up and kept open, so a help file
// removed while the tool runs still shows; it is released when the main window closes.
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

void THelpSystem::DisplayTopic()
{
    if (!IsAvailable())
        return;
    if (!m_viewer) {
        m_viewer = new THelpViewer(m_chm);
        // An open help window alone does not keep the application running.
        m_viewer->setAttribute(Qt::WA_QuitOnClose, false);
    }
    m_viewer->ShowDefaultTopic();
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

void THelpSystem::CloseAll()
{
    delete m_viewer.data();
    m_viewer.clear();
    if (m_chm)
        m_chm->Close();
    m_chm.reset();
}

bool THelpSystem::IsAvailable() const
{
    return m_chm && m_chm->IsOpen();
}

QWidget* THelpSystem::Window() const
{
    return m_viewer.data();
}
