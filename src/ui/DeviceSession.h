// The window's device work in one place: the link with its own I/O thread, the protocol, the block being
// transferred, the one operation at a time and how each ends. Every operation works on its own copy: a write
// sends the block it was given when it started, a read decodes into a block of its own and hands it over whole at
// its end, and a compare reads into a third. The window asks and is told; the boxes and log lines are the ones an
// operator knows from the window.
#pragma once

#include "config/ConfigBlock.h"
#include "config/SettingCatalogue.h"
#include "device/DeviceLink.h"
#include "protocol/DeviceProtocol.h"

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class TDeviceSession : public QObject, private ProtocolHost
{
    Q_OBJECT

public:
    // The controller is looked for on `port`, or on the system's HID devices when none is given.
    explicit TDeviceSession(HidPort* port = nullptr, QObject* parent = nullptr);
    ~TDeviceSession() override;

    // Each starts once the controller is found, unless the session is busy; a refusal is told in its box.
    void Write(const TConfigBlock& block);
    // `current` is what the read starts from: the bytes a transfer does not carry keep its values.
    void Read(const TConfigBlock& current);
    // Reads over a copy of `current` and compares what arrived with `form`.
    void Compare(const TConfigBlock& form, const TConfigBlock& current);
    // A signal query; a quiet one (Keep refreshing's) does not log the identity again.
    void QuerySignal(bool quietIdentity);

    // Looking for the controller, an operation in progress, an answer on its way, a report being handled, or held.
    bool Busy() const;
    // Another user of the port (a batch of controllers) works meanwhile: the session stays busy, its link closed,
    // and Keep refreshing ends. Taken only while the session is idle.
    void SetHeld(bool held);
    bool Held() const { return held; }
    // Where the controller is looked for.
    HidPort& Port() { return *port; }
    // The operation being started or run, the signal query's listening included.
    Operation Running() const;
    const TDeviceProtocol& Protocol() const { return protocol; }
    TDeviceLink& Link() { return *link; }

signals:
    void busyChanged();
    void logLine(const QString& line);
    // A read has ended: `block` is what the window shows now, as it came from the controller.
    void readComplete(const TConfigBlock& block);
    // A compare has ended: what the controller holds and the settings in which it differs from the form.
    void compareComplete(const TConfigBlock& read, const std::vector<SettingDifference>& differences);
    void signalValue(int value);
    // Another controller answered than the one before.
    void controllerChanged();
    // An error ended the work: Keep refreshing would only bring the same box again.
    void refreshingEnded();

private:
    void Start(Operation operation, std::function<void()> begin);
    void InputReport();
    void LinkEnded(const QString& text, bool onlyWhenUnfinished);

    void SendReport(const TReport& report) override;
    void AppendLog(const QString& line) override;
    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    void PresentConfig() override;
    void ShowSignalStrength(int value) override;
    void CompareReadComplete(const TConfigBlock& read) override;

    std::unique_ptr<HidPort> ownedPort;
    HidPort* port;
    bool held = false;
    TConfigBlock block {}; // what a write sends or a read fills, copied when the operation starts
    TConfigBlock compareForm {};
    TConfigBlock compareRead {};
    TDeviceProtocol protocol { block, *this };
    Operation starting = Operation::None; // looking for the controller before this operation
    bool quietIdentity = false;
    // A report is being handled; a box it shows holds the reader, so no answer could reach the window meanwhile.
    bool inHandOver = false;
    int32_t lastSerial = 0;
    // Declared after the protocol: the link, whose reader hands reports to the protocol, goes first.
    std::unique_ptr<TDeviceLink> link;
};
