// What a write of a settings file puts on the wire: the tool's own protocol, run against the controller's model
// in process, one line per output report as the virtual controller logs what it receives. A controller's log is
// then compared with it line for line, stale bytes and all.
#include "ExpectedWrite.h"

#include "ControllerModel.h"
#include "protocol/DeviceProtocol.h"

namespace {

class ModelHost : public ProtocolHost
{
public:
    ControllerModel model;
    QByteArray wire, answer;

    void SendReport(const TReport& report) override
    {
        wire += QByteArray(reinterpret_cast<const char*>(report.data()) + 1, kReportSize - 1).toHex(' ').toUpper();
        wire += '\n';
        answer = model.Receive(report).answer;
    }
    void AppendLog(const QString&) override { }
    void ShowError(const QString&) override { }
    void ShowInformation(const QString&) override { }
    void PresentConfig() override { }
    void ShowSignalStrength(int) override { }
};

} // namespace

QByteArray ExpectedWrite(const TConfigBlock& written)
{
    TConfigBlock config = written;
    ModelHost host;
    TDeviceProtocol protocol(config, host);
    protocol.StartWrite();
    while (protocol.OperationInProgress()) {
        std::copy(host.answer.begin(), host.answer.end(), protocol.ReceiveBuffer.begin());
        protocol.HandleInputReport();
    }
    return host.wire;
}
