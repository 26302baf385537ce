// Writes the settings files that the USB checks send to the virtual controller, each beside the output reports a
// write of it must put on the wire (one line of bytes 1..64 in hex per report), found by running the protocol
// against the controller's model in process: the defaults, a random tool-written file that a read gives back
// byte for byte, and a file with every text at its longest.
// Usage: usb_fixtures FOLDER
#include "ControllerModel.h"
#include "TestSupport.h"
#include "device/DeviceProtocol.h"
#include "device/Transfer.h"
#include "files/SettingsFile.h"

namespace {

class ModelHost : public ProtocolHost
{
public:
    ControllerModel model;
    QByteArray wire, answer;

    void SendReport(const TReport& report) override
    {
        wire += Bytes(report).mid(1).toHex(' ').toUpper() + '\n';
        answer = model.Receive(report).answer;
    }
    void AppendLog(const QString&) override { }
    void ShowError(const QString&) override { }
    void ShowInformation(const QString&) override { }
    void PresentConfig() override { }
    void ShowSignalStrength(int) override { }
};

QByteArray WireOfWrite(const TConfigBlock& written)
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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    TConfigBlock defaults {};
    SetDefaults(defaults);
    QRandomGenerator random(15);
    // What a read gives for a random block: the defaults, with every byte the transfer carries from it.
    TConfigBlock readable = defaults;
    const TConfigBlock randomBlock = RandomToolBlock(random);
    for (int key = 0; key < 2 * kChunkCount; ++key) {
        uint8_t image[kHalfImageSize] {};
        EncodeHalf(randomBlock, key / 2, Half(key % 2), image);
        DecodeHalf(readable, key / 2, Half(key % 2), image);
    }
    TConfigBlock longest = RandomToolBlock(random);
    uint8_t* bytes = BlockBytes(longest);
    for (const auto& [offset, length] : { std::pair { 80, 32 }, { 112, 509 }, { 624, 30 }, { 1808, 8 }, { 1828, 15 } })
        std::fill(bytes + offset, bytes + offset + length, uint8_t('W'));
    for (int entry = 0; entry < 64; ++entry)
        std::fill(bytes + 656 + 16 * entry, bytes + 671 + 16 * entry, uint8_t(0xE9));
    const std::pair<const char*, TConfigBlock> files[] = { { "defaults", defaults }, { "random", readable },
        { "longest", longest } };
    for (const auto& [name, block] : files) {
        const QString base = QString::fromLocal8Bit(argv[1]) + '/' + name;
        if (!SaveSettingsFile(base + ".dat", block) || !WriteFile(base + ".wire", WireOfWrite(block)))
            return 1;
    }
    return 0;
}
