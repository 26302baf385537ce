// The window's device commands against the emulated controller through the real reader thread: one operation at a
// time, a write of the edited form and a read that presents what arrived, the signal strength window, the refusals,
// the endings when the controller is unplugged or falls silent, and a box that holds the reader.
#include "WindowTest.h"

namespace {

const QByteArray kWrite = "SE" + QByteArray("dD").repeated(21) + "Z";

QByteArray Commands(const std::vector<TReport>& log, std::size_t from = 0)
{
    QByteArray letters;
    for (std::size_t i = from; i < log.size(); ++i)
        letters += char(log[i][1]);
    return letters;
}

// "offered" or "busy" when the three buttons, Refresh and the cursor agree.
QString DeviceCommands(Bench& bench)
{
    const bool offered = bench.Form.WriteButton->isEnabled();
    const bool agree = bench.Form.ReadButton->isEnabled() == offered
        && bench.Form.SignalStrengthButton->isEnabled() == offered && bench.Signal.RefreshButton->isEnabled() == offered
        && (bench.Form.cursor().shape() == Qt::BusyCursor) == !offered;
    return !agree ? "mixed" : offered ? "offered" : "busy";
}

bool AwaitBoxes(int count)
{
    return Await([count] { return Boxes().size() >= count; });
}

} // namespace

class TestMainDevice : public QObject
{
    Q_OBJECT

private slots:
    void init() { StartStrict(); }
    void cleanup() { EndStrict(); }

    // While a transfer runs the device commands are not offered, so the wire shows one whole write, then one read.
    void writeThenRead()
    {
        Bench bench;
        Set(bench.Form, "InputActiveMessageJvCheckBox9", true);
        Set(bench.Form, "SMSMessageMemo", QString(300, 'x'));
        ToolkitScript::SetNextAnswer(mrOk);
        Click(bench.Form, "WriteButton");
        QCOMPARE(DeviceCommands(bench), "busy");
        for (const char* button : { "WriteButton", "ReadButton", "SignalStrengthButton" })
            Click(bench.Form, button);
        QVERIFY(AwaitBoxes(1));
        const auto& log = bench.Controller.outputLog;
        QCOMPARE(Commands(log), kWrite);
        QCOMPARE(Bytes(log[2]).mid(4, 2), Hex("0100")); // input 9's flag, collected from the form
        QCOMPARE(Bytes(log[43]).mid(3, 16), QByteArray(16, 'x')); // the message's bytes 240..255
        QCOMPARE(Log(bench.Form),
            (QStringList { "Dedudev Version:Parlowen 1.0", "Serial Number: 16909060", "Data downloaded" }));
        QCOMPARE(Boxes(), QStringList { "Download Complete" });
        QCOMPARE(ToolkitScript::AskedBoxes()[0].Kind, TMsgDlgType::mtInformation);
        QCOMPARE(DeviceCommands(bench), "offered");

        // The controller answers input 16 as active too; the operator's later edits give way to what it holds.
        bench.Controller.presetHalves[0] = Bytes(log[2]).mid(3).replace(1, 2, Hex("8100"));
        Set(bench.Form, "InputActiveMessageJvCheckBox9", false);
        Set(bench.Form, "SMSMessageMemo", "other");
        ToolkitScript::SetNextAnswer(mrOk);
        Click(bench.Form, "ReadButton");
        QCOMPARE(DeviceCommands(bench), "busy");
        QVERIFY(AwaitBoxes(2));
        QCOMPARE(Boxes().last(), QStringLiteral("Read Complete"));
        QCOMPARE(Commands(log, 45), "S" + QByteArray("rR").repeated(21));
        QCOMPARE(Bytes(bench.Form.Config).mid(48, 16), Hex("00000000000000000100000000000001"));
        QCOMPARE(Value(bench.Form, "InputActiveMessageJvCheckBox16"), QVariant(true));
        QCOMPARE(Value(bench.Form, "SMSMessageMemo"), QVariant(QString(300, 'x'))); // bytes 256 on stay as held
        QCOMPARE(DeviceCommands(bench), "offered");
        ToolkitScript::SetNextAnswer(mrCancel); // the read took no snapshot: closing asks
        QVERIFY(!bench.Form.close());
    }

    void signalStrength()
    {
        Bench bench;
        bench.Form.show();
        bench.Controller.signalValues = { 23 };
        QProgressBar* bar = bench.Signal.SignalStrenthAdvSmoothProgressBar;
        Click(bench.Form, "SignalStrengthButton");
        QVERIFY(Await([&] { return bar->text() == "23" && QApplication::activeWindow() == &bench.Signal; }));
        QCOMPARE(DeviceCommands(bench), "offered"); // listening for values blocks nothing
        bench.Controller.InjectReport(Hex("0000FF")); // each further report sets the bar again; above 30 it is full
        QVERIFY(Await([&] { return bar->text() == "255" && bar->value() == 30; }));
        bench.Controller.signalValues = { 5 };
        QTest::mouseClick(bench.Signal.RefreshButton, Qt::LeftButton);
        QVERIFY(Await([&] { return bar->value() == 5; }));
        QCOMPARE(Commands(bench.Controller.outputLog), "SASA");
        QTest::keyClick(&bench.Signal, Qt::Key_Escape);
        QVERIFY(bench.Signal.isHidden());
        bench.Signal.show();
        QTest::mouseClick(bench.Signal.CloseButton, Qt::LeftButton);
        QVERIFY(bench.Signal.isHidden());
    }

    // No controller, one in program mode, one that runs another application: the box, and nothing else changes.
    void refused()
    {
        const std::tuple<QByteArray, int, QString> rows[]
            = { { "HID\\VID_046D&PID_C52B&REV_1201", 11, "Cannot find QUILMOX" },
                  { "HID\\VID_04D8&PID_F2C4&REV_0001", 11, "QUILMOX is in Program Mode" },
                  { kNormalId, 12, "Application is not a QUILMOX Parlowen" } };
        for (const auto& [hardwareId, identityByte4, box] : rows) {
            for (const QString button : { "WriteButton", "ReadButton", "SignalStrengthButton" }) {
                StartStrict();
                Bench bench(hardwareId);
                bench.Controller.identity.check[2] = uint8_t(identityByte4);
                Set(bench.Form, "DeviceNameEdit", "Edited");
                ToolkitScript::SetNextAnswer(mrOk);
                Click(bench.Form, button);
                QVERIFY(AwaitBoxes(1) && Await([&] { return bench.Form.Protocol.ProtocolState == 0; }));
                QCOMPARE(Boxes(), QStringList { box });
                QCOMPARE(ToolkitScript::AskedBoxes()[0].Kind, TMsgDlgType::mtError);
                QCOMPARE(Commands(bench.Controller.outputLog), hardwareId == kNormalId ? "S" : "");
                QCOMPARE(DeviceCommands(bench), "offered");
                QVERIFY(Log(bench.Form).isEmpty());
                QCOMPARE(bench.Controller.openHandles, hardwareId == kNormalId ? 2 : 0); // program mode is let go
                QCOMPARE(bench.Form.Config.DeviceName[0] == 'E', button == "WriteButton"); // only Write collects
                QCOMPARE(bench.Signal.isVisible(), button == "SignalStrengthButton");
            }
        }
    }

    // Unplugged or silent after `answered` reports, the operation ends at once with its box and a log line naming
    // it; a late answer finds no link, and the next command looks for the controller again and runs whole.
    void endings()
    {
        const std::tuple<QString, int, QString> rows[] = { { "WriteButton", 1, "Write not completed." },
            { "WriteButton", 22, "Write not completed." }, { "WriteButton", 44, "Write not completed." },
            { "ReadButton", 1, "Read not completed." }, { "ReadButton", 42, "Read not completed." },
            { "SignalStrengthButton", 1, "Signal strength not completed." } };
        for (const bool unplugged : { true, false }) {
            for (const auto& [button, answered, line] : rows) {
                StartStrict();
                Bench bench;
                bench.Form.Link().SetAnswerTimeout(200);
                unplugged ? bench.Controller.UnplugAfter(answered) : bench.Controller.SilenceAfter(answered);
                ToolkitScript::SetNextAnswer(mrOk);
                Click(bench.Form, button);
                QVERIFY(AwaitBoxes(1));
                QCOMPARE(
                    Boxes(), QStringList { unplugged ? "QUILMOX was disconnected." : "QUILMOX stopped answering." });
                QCOMPARE(Log(bench.Form).last(), line);
                QCOMPARE(bench.Form.Protocol.ProtocolState, 0);
                QCOMPARE(DeviceCommands(bench), "offered");
                QCOMPARE(bench.Controller.openHandles, 0);
                bench.Controller.InjectReport(Hex("000000010B")); // a late answer finds no link
                QCoreApplication::processEvents();
                bench.Controller.AddDevice(kNormalId); // plugged in again: the next command runs whole
                bench.Controller.SilenceAfter(-1);
                const std::size_t sent = bench.Controller.outputLog.size();
                ToolkitScript::SetNextAnswer(mrOk);
                Click(bench.Form, "WriteButton");
                QVERIFY(AwaitBoxes(2));
                QCOMPARE(Boxes().last(), QStringLiteral("Download Complete"));
                QCOMPARE(Commands(bench.Controller.outputLog, sent), kWrite);
            }
        }
    }

    // A real "Download Complete" box holds the reader in its hand-over: a report that arrives meanwhile waits until
    // the box is closed, and is then dropped in the idle state.
    void boxHoldsTheReader()
    {
        ToolkitScript::SetStrict(false);
        Bench bench;
        bench.Form.show();
        int stateInBox = -1, pendingInBox = -1;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || stateInBox >= 0)
                return;
            bench.Controller.InjectReport(Hex("000000010B"));
            Await([] { return false; }, 100);
            stateInBox = bench.Form.Protocol.ProtocolState;
            pendingInBox = bench.Controller.PendingInputs();
            box->button(QMessageBox::Ok)->click();
        });
        poll.start(5);
        Click(bench.Form, "WriteButton");
        QVERIFY(Await([&] {
            return stateInBox >= 0 && bench.Controller.PendingInputs() == 0 && bench.Form.WriteButton->isEnabled();
        }));
        QCOMPARE(stateInBox, 21);
        QCOMPARE(pendingInBox, 1);
        QCOMPARE(bench.Form.Protocol.ProtocolState, 0);
        QCOMPARE(int(bench.Controller.outputLog.size()), 45);
        QCOMPARE(Log(bench.Form).size(), 3);
    }
};

QTEST_MAIN(TestMainDevice)
#include "test_MainDevice.moc"
