// How the system asks the running tool to end (logout, shutdown, kill), handed to the main window's close.
#pragma once

class QObject;

// Installed first, so that a request during start-up waits for the window rather than killing the process.
void WatchTermination(QObject* context);
