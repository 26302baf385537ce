// The window's device commands through their buttons, against the emulated controller and the real reader
// thread: a write of the edited form, a read that presents what arrived, the signal strength bar, and a
// controller that runs another application.
#include "DeviceProbe.h"

#include <QProgressBar>

using namespace DeviceProbe;

namespace {

// Output reports of a write: identify, write start, then the two halves of chunk c at 2 + 2c and 3 + 2c.
constexpr int kWriteReports = 45;
int HalfReport(int chunk, bool second)
{
    return 2 + 2 * chunk + (second ? 1 : 0);
}

QByteArray Patched(QByteArray image, int offset, const QByteArray& bytes)
{
    return image.replace(offset, bytes.size(), bytes);
}

// Clicks Write with the box answered and waits for the write to end.
bool WriteAndWait(Bench& bench)
{
    const int boxes = ToolkitScript::AskedBoxes().size();
    ToolkitScript::SetNextAnswer(mrOk);
    Click(bench.Form, QStringLiteral("WriteButton"));
    return QTest::qWaitFor([&] { return ToolkitScript::AskedBoxes().size() > boxes; });
}

} // namespace

class TestDeviceCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { ToolkitScript::Reset(); }
    void cleanup() { ToolkitScript::Reset(); }

    void writeSequence();
    void writeEdits_data();
    void writeEdits();
    void readPresents_data();
    void readPresents();
    void writeThenReadGivesTheFormBack();
    void signalStrength();
    void signalWhileHidden();
    void identityRefused_data();
    void identityRefused();
};

void TestDeviceCommands::writeSequence()
{
    Bench bench;
    EmulatedController::Identity identity;
    identity.serialNumber = -2;
    identity.versionText = "V2.7";
    bench.Controller.SetIdentity(identity);
    bench.Controller.AddDevice(kNormalId);
    bench.Form.show();

    QVERIFY(WriteAndWait(bench));
    const auto log = bench.Controller.OutputLog();
    QCOMPARE(int(log.size()), kWriteReports);
    QCOMPARE(Commands(log), "SE" + QByteArray("dD").repeated(21) + "Z");
    for (int chunk = 0; chunk <= 20; ++chunk) {
        QCOMPARE(int(log[HalfReport(chunk, false)][2]), chunk);
        QCOMPARE(int(log[HalfReport(chunk, true)][2]), chunk);
    }
    for (const TReport& report : log)
        QCOMPARE(int(report[0]), 0);
    QCOMPARE(LogLines(bench.Form), (QStringList { "Dedudev Version:V2.7", "Serial Number: -2", "Data downloaded" }));
    QCOMPARE(AskedTexts(), QStringList { "Download Complete" });
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtInformation);
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Buttons, TMsgDlgButtons::mbOK);
    QCOMPARE(bench.Form.Protocol.ProtocolState, 0);
    QCOMPARE(Bytes(bench.Form.Config), DefaultImage());
    // The write leaves the snapshot alone, so the unchanged form closes without a question.
    QVERIFY(bench.Form.close());
    QCOMPARE(ToolkitScript::AskedBoxes().size(), 1);
}

void TestDeviceCommands::writeEdits_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("blockOffset");
    QTest::addColumn<QByteArray>("blockBytes");
    QTest::addColumn<int>("report");
    QTest::addColumn<int>("wireOffset");
    QTest::addColumn<QByteArray>("wireBytes");

    const auto hex = [](const char* digits) { return QByteArray::fromHex(digits); };
    const auto text = [&](const char* name, const char* value, int offset, int width, int report, int wire) {
        QTest::newRow(name) << name << QVariant(QString::fromLatin1(value)) << offset << Padded(value, width) << report
                            << wire << Padded(value, width);
    };
    text("OutputOnEdit1", "Lamp on", 656, 16, HalfReport(2, false), 3);
    text("OutputOnEdit16", "Relay16 on", 896, 16, HalfReport(5, true), 19);
    text("OutputOffEdit1", "Off1!", 912, 16, HalfReport(6, false), 3);
    text("OutputPulseEdit16", "Blink16", 1664, 16, HalfReport(17, true), 19);
    text("PhoneNumberEdit", "0123456789", 80, 32, HalfReport(0, true), 3);
    text("DeviceNameEdit", "Unit 7", 624, 32, HalfReport(1, false), 3);
    text("PasswordEdit", "pw", 1808, 16, HalfReport(1, false), 35);
    text("RequestStatusEdit", "Stat", 1828, 16, HalfReport(1, true), 3);

    const auto flag = [&](const char* name, int offset, int report, int wire, const char* wireHex) {
        QTest::newRow(name) << name << QVariant(true) << offset << hex("01") << report << wire << hex(wireHex);
    };
    flag("InputActiveMessageJvCheckBox1", 48, HalfReport(0, false), 4, "0001");
    flag("InputActiveMessageJvCheckBox9", 56, HalfReport(0, false), 4, "0100");
    flag("InputInactiveMessageJvCheckBox16", 79, HalfReport(0, false), 6, "8000");
    flag("OutputOnJvCheckBox16", 1759, HalfReport(0, false), 8, "8000");
    flag("OutputPulseJvCheckBox1", 1792, HalfReport(0, false), 14, "0001");
    flag("InvertInputsJvCheckBox16", 15, HalfReport(0, true), 41, "8000");
    flag("InvertOutputsJvCheckBox1", 16, HalfReport(0, true), 43, "0001");
    flag("OutputStartStatusJvCheckBox9", 40, HalfReport(0, true), 45, "0100");
    flag("RequestStatusJvCheckBox", 1844, HalfReport(0, true), 47, "01");

    QTest::newRow("OutputPulseCSpinEdit1") << "OutputPulseCSpinEdit1" << QVariant(65000) << 1680 << hex("e8fd0000")
                                           << HalfReport(0, false) << 16 << hex("fde8");
    QTest::newRow("OutputPulseCSpinEdit16") << "OutputPulseCSpinEdit16" << QVariant(10) << 1740 << hex("0a000000")
                                            << HalfReport(0, false) << 46 << hex("000a");
    QTest::newRow("InhibitInputCSpinEdit")
        << "InhibitInputCSpinEdit" << QVariant(16) << 1824 << hex("10000000") << HalfReport(0, true) << 40 << hex("10");
    QTest::newRow("message start") << "SMSMessageMemo" << QVariant(QStringLiteral("Hello")) << 112
                                   << Padded("Hello", 512) << HalfReport(18, false) << 3 << Padded("Hello", 48);
    // Only the first 256 message bytes travel; the last 16 of them in the final half.
    const QByteArray longMessage(300, 'x');
    QTest::newRow("message of 300") << "SMSMessageMemo" << QVariant(QString::fromLatin1(longMessage)) << 112
                                    << Padded(longMessage, 512) << HalfReport(20, true) << 3 << QByteArray(16, 'x');
}

void TestDeviceCommands::writeEdits()
{
    QFETCH(QString, control);
    QFETCH(QVariant, value);
    QFETCH(int, blockOffset);
    QFETCH(QByteArray, blockBytes);
    QFETCH(int, report);
    QFETCH(int, wireOffset);
    QFETCH(QByteArray, wireBytes);

    Bench bench;
    bench.Controller.AddDevice(kNormalId);
    SetControl(bench.Form, control, value);

    QVERIFY(WriteAndWait(bench));
    QCOMPARE(AskedTexts(), QStringList { "Download Complete" });
    const auto log = bench.Controller.OutputLog();
    QCOMPARE(int(log.size()), kWriteReports);
    QCOMPARE(Slice(log[report], wireOffset, wireBytes.size()), wireBytes);
    // The write ran on the form as collected: exactly the edited field differs from the defaults.
    QCOMPARE(Bytes(bench.Form.Config), Patched(DefaultImage(), blockOffset, blockBytes));
    QCOMPARE(Bytes(bench.Form.ConfigSnapshot), DefaultImage());
    QCOMPARE(ControlValue(bench.Form, control), value);
}

void TestDeviceCommands::readPresents_data()
{
    QTest::addColumn<int>("chunk");
    QTest::addColumn<bool>("second");
    QTest::addColumn<int>("halfOffset");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QVariant>("shown");
    QTest::addColumn<int>("blockOffset");
    QTest::addColumn<QByteArray>("blockBytes");

    const auto hex = [](const char* digits) { return QByteArray::fromHex(digits); };
    QTest::newRow("active flags 9 and 16") << 0 << false << 1 << hex("8100") << "InputActiveMessageJvCheckBox16"
                                           << QVariant(true) << 56 << hex("0100000000000001");
    QTest::newRow("pulse period 1") << 0 << false << 13 << hex("fde8") << "OutputPulseCSpinEdit1" << QVariant(65000)
                                    << 1680 << hex("e8fd0000");
    QTest::newRow("pulse period 16") << 0 << false << 43 << hex("000a") << "OutputPulseCSpinEdit16" << QVariant(10)
                                     << 1740 << hex("0a000000");
    QTest::newRow("phone number") << 0 << true << 0 << Padded("555", 32) << "PhoneNumberEdit"
                                  << QVariant(QStringLiteral("555")) << 80 << Padded("555", 32);
    QTest::newRow("inhibit input") << 0 << true << 37 << hex("10") << "InhibitInputCSpinEdit" << QVariant(16) << 1824
                                   << hex("10000000");
    QTest::newRow("invert output 1") << 0 << true << 40 << hex("0001") << "InvertOutputsJvCheckBox1" << QVariant(true)
                                     << 16 << hex("01");
    QTest::newRow("request status, bit 0")
        << 0 << true << 44 << hex("03") << "RequestStatusJvCheckBox" << QVariant(true) << 1844 << hex("01");
    QTest::newRow("device name") << 1 << false << 0 << Padded("Unit 7", 32) << "DeviceNameEdit"
                                 << QVariant(QStringLiteral("Unit 7")) << 624 << Padded("Unit 7", 32);
    QTest::newRow("request status keyword") << 1 << true << 0 << Padded("Stat", 16) << "RequestStatusEdit"
                                            << QVariant(QStringLiteral("Stat")) << 1828 << Padded("Stat", 16);
    QTest::newRow("first OutputOn entry") << 2 << false << 0 << Padded("Lamp on", 16) << "OutputOnEdit1"
                                          << QVariant(QStringLiteral("Lamp on")) << 656 << Padded("Lamp on", 16);
    QTest::newRow("last OutputPulse entry") << 17 << true << 16 << Padded("Blink16", 16) << "OutputPulseEdit16"
                                            << QVariant(QStringLiteral("Blink16")) << 1664 << Padded("Blink16", 16);
    QTest::newRow("message start") << 18 << false << 0 << Padded("Hi there", 48) << "SMSMessageMemo"
                                   << QVariant(QStringLiteral("Hi there")) << 112 << Padded("Hi there", 48);
}

void TestDeviceCommands::readPresents()
{
    QFETCH(int, chunk);
    QFETCH(bool, second);
    QFETCH(int, halfOffset);
    QFETCH(QByteArray, answer);
    QFETCH(QString, control);
    QFETCH(QVariant, shown);
    QFETCH(int, blockOffset);
    QFETCH(QByteArray, blockBytes);

    Bench bench;
    bench.Controller.AddDevice(kNormalId);
    bench.Form.show();
    // The defaults go to the controller first; one half then answers with a change of its own.
    QVERIFY(WriteAndWait(bench));
    QByteArray half = Slice(bench.Controller.OutputLog()[HalfReport(chunk, second)], 3, 62);
    bench.Controller.SetPresetReadHalf(uint8_t(chunk), second, half.replace(halfOffset, answer.size(), answer));
    ToolkitScript::Reset();

    ToolkitScript::SetNextAnswer(mrOk);
    Click(bench.Form, QStringLiteral("ReadButton"));
    QTRY_COMPARE(AskedTexts(), QStringList { "Read Complete" });
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtInformation);

    const auto log = bench.Controller.OutputLog();
    QCOMPARE(Commands(log).mid(kWriteReports), "S" + QByteArray("rR").repeated(21));
    QCOMPARE(int(log.back()[2]), 20);
    QCOMPARE(ControlValue(bench.Form, control), shown);
    QCOMPARE(Bytes(bench.Form.Config), Patched(DefaultImage(), blockOffset, blockBytes));
    QCOMPARE(Bytes(bench.Form.ConfigSnapshot), DefaultImage());
    QCOMPARE(bench.Form.Protocol.ProtocolState, 0);

    // The read took no snapshot, so closing asks about the changes it brought.
    ToolkitScript::SetNextAnswer(mrCancel);
    QVERIFY(!bench.Form.close());
    QCOMPARE(AskedTexts().last(), QStringLiteral("Data has changed\nSave now?"));
    QVERIFY(bench.Form.isVisible());
}

void TestDeviceCommands::writeThenReadGivesTheFormBack()
{
    Bench bench;
    bench.Controller.AddDevice(kNormalId);
    const QList<std::pair<QString, QVariant>> written = {
        { "OutputOnEdit16", QStringLiteral("Relay16 on") },
        { "InputActiveMessageJvCheckBox9", true },
        { "OutputPulseCSpinEdit1", 65000 },
        { "InhibitInputCSpinEdit", 16 },
        { "RequestStatusJvCheckBox", true },
        { "SMSMessageMemo", QString(300, QLatin1Char('m')) },
    };
    const QList<QVariant> overwritten = { QStringLiteral("other"), false, 500, 3, false, QStringLiteral("short") };
    for (const auto& [name, value] : written)
        SetControl(bench.Form, name, value);
    QVERIFY(WriteAndWait(bench));
    const QByteArray block = Bytes(bench.Form.Config);

    // The operator edits again without writing; the read brings back what the controller holds.
    for (int i = 0; i < written.size(); ++i)
        SetControl(bench.Form, written[i].first, overwritten[i]);
    ToolkitScript::SetNextAnswer(mrOk);
    Click(bench.Form, QStringLiteral("ReadButton"));
    QTRY_COMPARE(AskedTexts().last(), QStringLiteral("Read Complete"));
    QCOMPARE(Bytes(bench.Form.Config), block);
    for (const auto& [name, value] : written)
        QCOMPARE(ControlValue(bench.Form, name), value);
    QCOMPARE(LogLines(bench.Form).count(QStringLiteral("Serial Number: 16909060")), 2);
}

void TestDeviceCommands::signalStrength()
{
    Bench bench;
    bench.Controller.AddDevice(kNormalId);
    bench.Controller.SetSignalValue(23);
    QProgressBar* bar = bench.Signal.SignalStrenthAdvSmoothProgressBar;
    QVERIFY(!bench.Signal.isVisible());

    Click(bench.Form, QStringLiteral("SignalStrengthButton"));
    QVERIFY(bench.Signal.isVisible());
    QTRY_COMPARE(bar->value(), 23);
    QCOMPARE(bar->text(), QStringLiteral("23"));
    QCOMPARE(Commands(bench.Controller.OutputLog()), QByteArray("SA"));
    QCOMPARE(int(bench.Controller.OutputLog()[1][2]), 0);
    QCOMPARE(LogLines(bench.Form), (QStringList { "Dedudev Version:Parlowen 1.0", "Serial Number: 16909060" }));

    // Every further report sets the bar again to its own byte 2.
    bench.Controller.InjectReport(QByteArray::fromHex("000011"));
    QTRY_COMPARE(bar->value(), 17);
    bench.Controller.InjectReport(QByteArray::fromHex("000000"));
    QTRY_COMPARE(bar->value(), 0);
    QCOMPARE(bar->text(), QStringLiteral("0"));

    bench.Controller.SetSignalValue(5);
    QTest::mouseClick(bench.Signal.RefreshButton, Qt::LeftButton);
    QTRY_COMPARE(bar->value(), 5);
    QCOMPARE(Commands(bench.Controller.OutputLog()), QByteArray("SASA"));
    QVERIFY(ToolkitScript::AskedBoxes().isEmpty());
}

void TestDeviceCommands::signalWhileHidden()
{
    Bench bench;
    bench.Controller.AddDevice(kNormalId);
    bench.Controller.SilenceAfter(1); // the query itself stays unanswered for now
    Click(bench.Form, QStringLiteral("SignalStrengthButton"));
    QTRY_COMPARE(Commands(bench.Controller.OutputLog()), QByteArray("SA"));
    QTRY_VERIFY(ReaderIdle(bench.Controller));

    QTest::mouseClick(bench.Signal.CloseButton, Qt::LeftButton);
    QVERIFY(bench.Signal.isHidden());
    bench.Controller.InjectReport(QByteArray::fromHex("00410c"));
    QTRY_COMPARE(bench.Signal.SignalStrenthAdvSmoothProgressBar->value(), 12);
    QVERIFY(bench.Signal.isHidden());
    bench.Signal.show();
    QCOMPARE(bench.Signal.SignalStrenthAdvSmoothProgressBar->text(), QStringLiteral("12"));
}

void TestDeviceCommands::identityRefused_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("write") << "WriteButton";
    QTest::newRow("read") << "ReadButton";
    QTest::newRow("signal strength") << "SignalStrengthButton";
}

void TestDeviceCommands::identityRefused()
{
    QFETCH(QString, button);

    Bench bench;
    bench.Controller.AddDevice(kNormalId);
    EmulatedController::Identity identity;
    identity.check[2] = 0x0C;
    bench.Controller.SetIdentity(identity);
    bench.Signal.ShowSignalStrength(9);
    const QByteArray config = Bytes(bench.Form.Config);

    ToolkitScript::SetNextAnswer(mrOk);
    Click(bench.Form, button);
    QTRY_COMPARE(AskedTexts(), QStringList { "Application is not a QUILMOX Parlowen" });
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtError);
    QCOMPARE(Commands(bench.Controller.OutputLog()), QByteArray("S"));
    QCOMPARE(bench.Form.Protocol.ProtocolState, 0);
    QVERIFY(LogLines(bench.Form).isEmpty());
    QCOMPARE(bench.Form.Link().Connected(), uint8_t(1));

    // A good identity arriving afterwards finds the machine idle: dropped, nothing sent or shown.
    bench.Controller.InjectReport(QByteArray::fromHex("0053") + QByteArray::fromHex("00010b"));
    QTRY_VERIFY(ReaderIdle(bench.Controller));
    QCOMPARE(Commands(bench.Controller.OutputLog()), QByteArray("S"));
    QVERIFY(LogLines(bench.Form).isEmpty());
    QCOMPARE(ToolkitScript::AskedBoxes().size(), 1);
    QCOMPARE(bench.Signal.SignalStrenthAdvSmoothProgressBar->value(), 9);
    QCOMPARE(Bytes(bench.Form.Config), config);
}

QTEST_MAIN(TestDeviceCommands)
#include "test_DeviceCommands.moc"
