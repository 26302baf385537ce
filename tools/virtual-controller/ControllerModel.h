// The controller's behaviour, once, for every transport: one input report answers each output report (the identity
// reply, each write half echoed and kept, each read half from what was kept or preset, the next signal value,
// anything else echoed), and the controller may go silent or leave the bus after a given count of reports. The
// in-process EmulatedController and the virtual controller on a USB gadget both answer through it.
#pragma once

#include "config/ConfigBlock.h"
#include "protocol/Report.h"

#include <QByteArray>
#include <cstdint>
#include <map>
#include <vector>

class ControllerModel
{
public:
    struct Identity
    {
        uint8_t check[3] = { 0, 1, 11 }; // reply bytes 2..4
        int32_t serialNumber = 0x01020304;
        QByteArray versionText = "Parlowen 1.0";
    };
    // What the controller does with one output report.
    struct Reply
    {
        bool answered = false;
        QByteArray answer; // kReportSize bytes, the report ID 0 in byte 0
        bool unplug = false; // the controller leaves the bus once the answer (if any) is sent
    };

    // The next `reports` output reports are answered, later ones not (-1: all); with unplug the controller leaves
    // the bus after the last of them.
    void SilenceAfter(int reports) { Limit(reports, false); }
    void UnplugAfter(int reports) { Limit(reports, true); }
    bool UnplugPending() const { return unplugWhenSilent; }
    // Every read half answers with the transferred image of `config`, as if it had been written.
    void Hold(const TConfigBlock& config);

    Reply Receive(const TReport& report);

    Identity identity;
    std::vector<uint8_t> signalValues { 0 }; // one per signal query, in turn, from the first again after the last
    std::map<int, QByteArray> presetHalves; // key chunk * 2 + second half: the answer from byte 2 on to that read
    std::vector<TReport> outputLog;

private:
    void Limit(int reports, bool unplug);
    QByteArray AnswerTo(const TReport& report);

    std::map<int, QByteArray> writtenHalves;
    std::size_t nextSignal = 0;
    int answersLeft = -1;
    bool unplugWhenSilent = false;
};
