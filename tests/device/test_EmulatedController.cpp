// The emulated controller answers as the real one does; window and link tests rely on these answers.
#include "EmulatedController.h"

#include <QtTest>

namespace {

TReport OutputReport(char command, uint8_t chunk = 0)
{
    TReport report {};
    report[1] = uint8_t(command);
    report[2] = chunk;
    return report;
}

QByteArray ReadAnswer(HidDevice& device)
{
    uint8_t bytes[kReportSize] = {};
    const int count = device.Read(bytes, 0);
    return count > 0 ? QByteArray(reinterpret_cast<const char*>(bytes), count) : QByteArray::number(count);
}

} // namespace

class TestEmulatedController : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        emulator = std::make_unique<EmulatedController>();
        const QByteArray path = emulator->AddDevice("HID\\VID_04D8&PID_F2C4&REV_000B");
        writer = emulator->Open(path, HidAccess::Write);
        reader = emulator->Open(path, HidAccess::Read);
        QVERIFY(writer && reader);
    }
    void cleanup()
    {
        writer.reset();
        reader.reset();
        emulator.reset();
    }

    void identityReply()
    {
        EmulatedController::Identity identity;
        identity.serialNumber = -2; // FE FF FF FF
        identity.versionText = "V2.5";
        emulator->SetIdentity(identity);
        QCOMPARE(writer->Write(OutputReport('S')), kReportSize);
        const QByteArray answer = ReadAnswer(*reader);
        QCOMPARE(answer.size(), kReportSize);
        QCOMPARE(answer.mid(2, 8), QByteArray::fromHex("00010b00feffffff"));
        QCOMPARE(answer.mid(10, 5), QByteArray("V2.5\0", 5));
    }

    void halfEchoedBack_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<char>("writeCommand");
        QTest::addColumn<char>("readCommand");
        QTest::newRow("chunk 0, first half") << 0 << 'd' << 'r';
        QTest::newRow("chunk 20, second half") << 20 << 'D' << 'R';
    }
    void halfEchoedBack()
    {
        QFETCH(int, chunk);
        QFETCH(char, writeCommand);
        QFETCH(char, readCommand);
        TReport write = OutputReport(writeCommand, uint8_t(chunk));
        for (int i = 3; i < kReportSize; ++i)
            write[i] = uint8_t(i);
        writer->Write(write);
        ReadAnswer(*reader);
        writer->Write(OutputReport(readCommand, uint8_t(chunk)));
        const QByteArray answer = ReadAnswer(*reader);
        QByteArray expected(kReportSize, '\0');
        expected[1] = readCommand;
        for (int i = 2; i < 64; ++i)
            expected[i] = char(i + 1);
        QCOMPARE(answer.toHex(), expected.toHex());
        // The other half of the same chunk was never written.
        writer->Write(OutputReport(readCommand == 'r' ? 'R' : 'r', uint8_t(chunk)));
        QCOMPARE(ReadAnswer(*reader).mid(2), QByteArray(kReportSize - 2, '\0'));
    }

    void presetAndSignal()
    {
        emulator->SetPresetReadHalf(1, true, QByteArray::fromHex("a1a2a3"));
        emulator->SetSignalValue(27);
        writer->Write(OutputReport('R', 1));
        QCOMPARE(ReadAnswer(*reader).mid(2, 4), QByteArray::fromHex("a1a2a300"));
        writer->Write(OutputReport('A'));
        QCOMPARE(int(uint8_t(ReadAnswer(*reader).at(2))), 27);
    }

    void silenceAndUnplug()
    {
        emulator->SilenceAfter(1);
        writer->Write(OutputReport('E'));
        writer->Write(OutputReport('Z'));
        QCOMPARE(emulator->PendingInputs(), 1);
        QCOMPARE(int(emulator->OutputLog().size()), 2);
        ReadAnswer(*reader);
        QCOMPARE(ReadAnswer(*reader), QByteArray("0"));

        emulator->UnplugAfter(1);
        QCOMPARE(writer->Write(OutputReport('E')), kReportSize);
        QCOMPARE(ReadAnswer(*reader).size(), kReportSize);
        QCOMPARE(ReadAnswer(*reader), QByteArray("-1"));
        QCOMPARE(writer->Write(OutputReport('E')), -1);
        QVERIFY(emulator->Enumerate().empty());
    }

    void handlesOnlyDoWhatTheyWereOpenedFor()
    {
        QCOMPARE(reader->Write(OutputReport('S')), -1);
        uint8_t bytes[kReportSize] = {};
        QCOMPARE(writer->Read(bytes, 0), -1);
        QCOMPARE(emulator->OpenHandleCount(), 2);
        writer.reset();
        QCOMPARE(emulator->OpenHandleCount(), 1);
    }

private:
    std::unique_ptr<EmulatedController> emulator;
    std::unique_ptr<HidDevice> writer;
    std::unique_ptr<HidDevice> reader;
};

QTEST_GUILESS_MAIN(TestEmulatedController)
#include "test_EmulatedController.moc"
