// The window's device commands through their buttons, against the emulated controller and the real reader
// thread: a write of the edited form, a read that presents what arrived, the signal strength window, and a
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

QByteArray Hex(const char* digits)
{
    return QByteArray::fromHex(digits);
}

// One control set by the operator: where its value lands in the block and on the wire.
struct TEdit
{
    const char* Control;
    QVariant Value;
    int BlockOffset;
    QByteArray BlockBytes;
    int Report;
    int WireOffset;
    QByteArray WireBytes;
};

QList<TEdit> FirstAndLastEdits()
{
    const QByteArray longMessage(300, 'x');
    return {
        { "InputActiveMessageJvCheckBox9", true, 56, Hex("01"), HalfReport(0, false), 4, Hex("0100") },
        { "InputInactiveMessageJvCheckBox16", true, 79, Hex("01"), HalfReport(0, false), 6, Hex("8000") },
        { "OutputPulseCSpinEdit1", 65000, 1680, Hex("e8fd0000"), HalfReport(0, false), 16, Hex("fde8") },
        { "OutputPulseCSpinEdit16", 4660, 1740, Hex("34120000"), HalfReport(0, false), 46, Hex("1234") },
        { "InvertOutputsJvCheckBox1", true, 16, Hex("01"), HalfReport(0, true), 43, Hex("0001") },
        { "InhibitInputCSpinEdit", 16, 1824, Hex("10000000"), HalfReport(0, true), 40, Hex("10") },
        { "RequestStatusJvCheckBox", true, 1844, Hex("01"), HalfReport(0, true), 47, Hex("01") },
        { "DeviceNameEdit", QStringLiteral("Unit 7"), 624, Padded("Unit 7", 32), HalfReport(1, false), 3,
            Padded("Unit 7", 32) },
        { "OutputOnEdit1", QStringLiteral("Lamp on"), 656, Padded("Lamp on", 16), HalfReport(2, false), 3,
            Padded("Lamp on", 16) },
        { "OutputPulseEdit16", QStringLiteral("Blink16"), 1664, Padded("Blink16", 16), HalfReport(17, true), 19,
            Padded("Blink16", 16) },
        // Only the first 256 message bytes travel; the last 16 of them in the final half.
        { "SMSMessageMemo", QString::fromLatin1(longMessage), 112, Padded(longMessage, 512), HalfReport(20, true), 3,
            QByteArray(16, 'x') },
    };
}

// A value of the same kind that differs from `value` after the control's limits.
QVariant OtherValue(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return !value.toBool();
    return value.typeId() == QMetaType::Int ? QVariant(3) : QVariant(QStringLiteral("other"));
}

QByteArray EditedImage(const QList<TEdit>& edits)
{
    QByteArray image = DefaultImage();
    for (const TEdit& edit : edits)
        image.replace(edit.BlockOffset, edit.BlockBytes.size(), edit.BlockBytes);
    return image;
}

// Clicks Write with the box answered and waits for the write to end.
bool WriteAndWait(Bench& bench)
{
    const int boxes = ToolkitScript::AskedBoxes().size();
    ToolkitScript::SetNextAnswer(mrOk);
    Click(bench.Form, QStringLiteral("WriteButton"));
    return BoxAsked(boxes + 1);
}

} // namespace

class TestDeviceCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { ToolkitScript::Reset(); }
    void cleanup() { ToolkitScript::Reset(); }

    void writeSendsTheEditedForm();
    void readPresentsWhatTheControllerHolds();
    void signalStrength();
    void identityRefused_data();
    void identityRefused();
};

void TestDeviceCommands::writeSendsTheEditedForm()
{
    Bench bench;
    EmulatedController::Identity identity;
    identity.serialNumber = -2;
    identity.versionText = "V2.7";
    bench.Controller.SetIdentity(identity);
    bench.Controller.AddDevice(kNormalId);
    bench.Form.show();
    const QList<TEdit> edits = FirstAndLastEdits();
    for (const TEdit& edit : edits)
        SetControl(bench.Form, QLatin1String(edit.Control), edit.Value);

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
    for (const TEdit& edit : edits)
        QVERIFY2(Slice(log[edit.Report], edit.WireOffset, edit.WireBytes.size()) == edit.WireBytes, edit.Control);
    QCOMPARE(LogLines(bench.Form), (QStringList { "Dedudev Version:V2.7", "Serial Number: -2", "Data downloaded" }));
    QCOMPARE(AskedTexts(), QStringList { "Download Complete" });
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtInformation);
    QCOMPARE(bench.Form.Protocol.ProtocolState, 0);
    // The write ran on the form as collected, and left the snapshot alone.
    QCOMPARE(Bytes(bench.Form.Config), EditedImage(edits));
    QCOMPARE(Bytes(bench.Form.ConfigSnapshot), DefaultImage());
}

void TestDeviceCommands::readPresentsWhatTheControllerHolds()
{
    Bench bench;
    bench.Controller.AddDevice(kNormalId);
    bench.Form.show();
    const QList<TEdit> edits = FirstAndLastEdits();
    for (const TEdit& edit : edits)
        SetControl(bench.Form, QLatin1String(edit.Control), edit.Value);
    QVERIFY(WriteAndWait(bench));
    // The first half of chunk 0 answers with input 16 active as well; every other half echoes what was written.
    QByteArray half = Slice(bench.Controller.OutputLog()[HalfReport(0, false)], 3, 62);
    bench.Controller.SetPresetReadHalf(0, false, half.replace(1, 2, Hex("8100")));
    ToolkitScript::Reset();

    // The operator edits again without writing; the read brings back what the controller holds.
    for (const TEdit& edit : edits)
        SetControl(bench.Form, QLatin1String(edit.Control), OtherValue(edit.Value));
    ToolkitScript::SetNextAnswer(mrOk);
    Click(bench.Form, QStringLiteral("ReadButton"));
    QVERIFY(BoxAsked());
    QCOMPARE(AskedTexts(), QStringList { "Read Complete" });
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtInformation);

    const auto log = bench.Controller.OutputLog();
    QCOMPARE(Commands(log).mid(kWriteReports), "S" + QByteArray("rR").repeated(21));
    QCOMPARE(int(log.back()[2]), 20);
    for (const TEdit& edit : edits)
        QVERIFY2(ControlValue(bench.Form, QLatin1String(edit.Control)) == edit.Value, edit.Control);
    QCOMPARE(ControlValue(bench.Form, QStringLiteral("InputActiveMessageJvCheckBox16")), QVariant(true));
    QCOMPARE(Bytes(bench.Form.Config), EditedImage(edits).replace(63, 1, Hex("01")));
    QCOMPARE(Bytes(bench.Form.ConfigSnapshot), DefaultImage());
    QCOMPARE(bench.Form.Protocol.ProtocolState, 0);
    QCOMPARE(LogLines(bench.Form).count(QStringLiteral("Serial Number: 16909060")), 2);

    // The read took no snapshot, so closing asks about the changes it brought.
    ToolkitScript::SetNextAnswer(mrCancel);
    QVERIFY(!bench.Form.close());
    QCOMPARE(AskedTexts().last(), QStringLiteral("Data has changed\nSave now?"));
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
    QVERIFY(Await([&] { return bar->value() == 23; }));
    QCOMPARE(bar->text(), QStringLiteral("23"));
    QCOMPARE(Commands(bench.Controller.OutputLog()), QByteArray("SA"));
    QCOMPARE(int(bench.Controller.OutputLog()[1][2]), 0);
    QCOMPARE(LogLines(bench.Form), (QStringList { "Dedudev Version:Parlowen 1.0", "Serial Number: 16909060" }));

    // Every further report sets the bar again to its own byte 2; above 30 the bar is full and the text says all.
    for (const auto& [reply, position] : { std::pair { 31, 30 }, { 255, 30 }, { 17, 17 }, { 0, 0 } }) {
        bench.Controller.InjectReport(QByteArray::fromHex("0000") + char(reply));
        QVERIFY(Await([&] { return bar->text() == QString::number(reply); }));
        QCOMPARE(bar->value(), position);
    }

    bench.Controller.SetSignalValue(5);
    QTest::mouseClick(bench.Signal.RefreshButton, Qt::LeftButton);
    QVERIFY(Await([&] { return bar->value() == 5; }));
    QCOMPARE(Commands(bench.Controller.OutputLog()), QByteArray("SASA"));
    QVERIFY(ToolkitScript::AskedBoxes().isEmpty());

    // Closed, the window still follows the reports, and shows the latest when it comes up again.
    QTest::mouseClick(bench.Signal.CloseButton, Qt::LeftButton);
    QVERIFY(bench.Signal.isHidden());
    bench.Controller.InjectReport(QByteArray::fromHex("00410c"));
    QVERIFY(Await([&] { return bar->value() == 12; }));
    QVERIFY(bench.Signal.isHidden());
    bench.Signal.show();
    QCOMPARE(bar->text(), QStringLiteral("12"));
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
    QVERIFY(BoxAsked());
    QCOMPARE(AskedTexts(), QStringList { "Application is not a QUILMOX Parlowen" });
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtError);
    QCOMPARE(Commands(bench.Controller.OutputLog()), QByteArray("S"));
    QCOMPARE(bench.Form.Protocol.ProtocolState, 0);
    QVERIFY(LogLines(bench.Form).isEmpty());
    QCOMPARE(bench.Form.Link().Connected(), uint8_t(1));

    // A good identity arriving afterwards finds the machine idle: dropped, nothing sent or shown.
    bench.Controller.InjectReport(QByteArray::fromHex("0053") + QByteArray::fromHex("00010b"));
    QVERIFY(Await([&] { return ReaderIdle(bench.Controller); }));
    QCOMPARE(Commands(bench.Controller.OutputLog()), QByteArray("S"));
    QVERIFY(LogLines(bench.Form).isEmpty());
    QCOMPARE(ToolkitScript::AskedBoxes().size(), 1);
    QCOMPARE(bench.Signal.SignalStrenthAdvSmoothProgressBar->value(), 9);
    QCOMPARE(Bytes(bench.Form.Config), config);
}

QTEST_MAIN(TestDeviceCommands)
#include "test_DeviceCommands.moc"
