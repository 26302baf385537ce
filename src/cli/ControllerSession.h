// One controller for the length of one command: the window's device link and protocol, driven by a local event
// loop until the operation ends. An operation always ends: each answer is awaited at most the context's time-out,
// and an unplug ends it at once.
#pragma once

#include "cli/CommandContext.h"
#include "cli/CommandLineHost.h"
#include "cli/CountingPort.h"
#include "config/ConfigBlock.h"
#include "device/DeviceLink.h"
#include "protocol/DeviceProtocol.h"

#include <QEventLoop>

class ControllerSession
{
public:
    explicit ControllerSession(const CommandContext& context);

    // Each returns an exit status and has reported any failure on the error stream.
    int Connect();
    int Identify();
    int Write(const TConfigBlock& config);
    // Reads into the default block, as a fresh window does.
    int Read(TConfigBlock& config);
    // Signal values go to the output stream, one a line; watching goes on until the controller is gone.
    int Signal(bool watch);

    const TDeviceProtocol& Protocol() const { return protocol; }

private:
    int Run(void (TDeviceProtocol::*start)(), int totalReports);
    void InputReportHandled();
    void Finish(int status, const QString& message = QString());
    void LinkFailed(const QString& what);

    const CommandContext& context;
    CountingPort port;
    TConfigBlock config {};
    CommandLineHost host;
    TDeviceProtocol protocol;
    TDeviceLink link;
    QEventLoop loop;
    bool running = false;
    bool watching = false;
    bool signalShown = false;
    int total = 0;
    int status = ExitStatus::Success;
};
