// The protocol's host on the command line: reports go to the device link, the window's log lines and information
// boxes become messages on the error stream, its error box becomes the operation's refusal, and signal values go
// to whoever listens.
#pragma once

#include "cli/CommandContext.h"
#include "cli/CountingPort.h"
#include "device/DeviceLink.h"
#include "protocol/DeviceProtocol.h"

#include <functional>

class CommandLineHost : public ProtocolHost
{
public:
    CommandLineHost(const CommandContext& context, CountingPort& port);

    void SetLink(TDeviceLink* deviceLink) { link = deviceLink; }
    // Counts the reports of a new operation of `totalReports` reports from zero; a transfer (a write or a read)
    // shows its progress.
    void BeginOperation(int totalReports, bool transfer);
    // Ends the progress line, if one is shown.
    void EndProgress();
    // The text of the error box of the last operation; empty when it showed none.
    const QString& Refusal() const { return refusal; }

    std::function<void(int)> signalValue;
    // The identity lines the window logs; a command that prints the identity as its result turns them off.
    bool showLog = true;

    void SendReport(const TReport& report) override;
    void AppendLog(const QString& line) override;
    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    void PresentConfig() override { }
    void ShowSignalStrength(int value) override;

private:
    const CommandContext& context;
    CountingPort& port;
    TDeviceLink* link = nullptr;
    int total = 0;
    bool transferring = false;
    bool progressShown = false;
    QString refusal;
};
