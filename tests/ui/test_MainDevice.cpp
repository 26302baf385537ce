// The window's device commands against the emulated controller through the real reader thread: one operation at a
// time, a write of the edited form and a read that presents what arrived, a compare that changes nothing, the signal
// strength window and Keep refreshing, the refusals, the endings when the controller is unplugged or falls silent,
// and a box that holds the reader.
#include "ExpectedWrite.h"
#include "WindowTest.h"
#include "device/OpenFailure.h"
#include "files/SettingsFile.h"
#include "ui/CompareDialog.h"

const QString kLoadWaits = QStringLiteral("QUILMOX is being written.\nLoad the file when the write has ended.");
const QString kCloseAsks
    = QStringLiteral("QUILMOX is being written.\nClosing now leaves it with part of the new settings.\nClose anyway?");

class TestMainDevice : public QObject
{
    Q_OBJECT

private slots:
    void init() { StartStrict(); }
    void cleanup() { EndStrict(); }

    // While a transfer runs the device commands are not offered, so the wire shows one whole write, then one read.
    // Compare reads into a block of its own with a read's reports, lists what differs in what the transfer carries
    // by the command line's names, and leaves the form, Config and the snapshot as they were; loading the
    // controller's settings gives the block a Read gives.
    void writeReadAndCompare()
    {
        Bench bench;
        Set(bench.Form, "InputActiveMessageJvCheckBox9", true);
        Set(bench.Form, "SMSMessageMemo", QString(300, 'x'));
        Click(bench.Form, "WriteButton", mrOk);
        QCOMPARE(DeviceCommands(bench), "busy");
        for (const QString& button : kDeviceButtons)
            Click(bench.Form, button);
        QVERIFY(AwaitBoxes(1));
        QCOMPARE(bench.Sent(), kWriteCommands); // the reports' bytes: ownCopy
        QCOMPARE(Log(bench.Form),
            (QStringList { "Dedudev Version:Parlowen 1.0", "Serial Number: 16909060", "Data downloaded" }));
        QCOMPARE(Boxes(), QStringList { "Download Complete" });
        QCOMPARE(ToolkitScript::AskedBoxes()[0].Kind, TMsgDlgType::mtInformation);
        QCOMPARE(DeviceCommands(bench), "offered");

        // The controller answers input 16 as active too; the operator's later edits give way to what it holds.
        bench.Controller.presetHalves[0] = Bytes(bench.Controller.OutputLog()[2]).mid(3).replace(1, 2, Hex("8100"));
        Set(bench.Form, "InputActiveMessageJvCheckBox9", false);
        Set(bench.Form, "SMSMessageMemo", "other");
        Click(bench.Form, "ReadButton", mrOk);
        QCOMPARE(DeviceCommands(bench), "busy");
        QVERIFY(AwaitBoxes(2));
        QCOMPARE(Boxes().last(), QStringLiteral("Read Complete"));
        QCOMPARE(Bytes(bench.Form.Config).mid(48, 16), Hex("00000000000000000100000000000001"));
        QCOMPARE(Value(bench.Form, "InputActiveMessageJvCheckBox16"), QVariant(true));
        QCOMPARE(Value(bench.Form, "SMSMessageMemo"), QVariant(QString(300, 'x'))); // bytes 256 on stay as held
        QCOMPARE(DeviceCommands(bench), "offered");
        ToolkitScript::SetNextAnswer(mrCancel); // the read took no snapshot: closing asks
        QVERIFY(!bench.Form.close());

        Click(bench.Form, "CompareButton", mrOk);
        QCOMPARE(DeviceCommands(bench), "busy");
        QVERIFY(AwaitBoxes(4));
        QCOMPARE(Boxes().last(), QStringLiteral("QUILMOX holds the settings shown."));
        QCOMPARE(Log(bench.Form).last(), QStringLiteral("Compare complete: no differences"));
        // A flag, a command word and a pulse period on the form, the inhibit input in the controller, and the
        // message beyond its 256th byte, which never travels.
        bench.Controller.presetHalves[1] = Bytes(bench.Controller.OutputLog()[3]).mid(3).replace(37, 1, Hex("10"));
        for (const auto& [control, value] :
            { std::pair<QString, QVariant> { "InvertInputsJvCheckBox1", true }, { "OutputOnEdit16", "Lamp" },
                { "OutputPulseCSpinEdit1", 65000 }, { "SMSMessageMemo", QString(280, 'x') + 'y' } })
            Set(bench.Form, control, value);
        TConfigBlock form {};
        bench.Form.CollectForm(form);
        const QByteArray config = Bytes(bench.Form.Config), snapshot = Bytes(bench.Form.ConfigSnapshot);
        Click(bench.Form, "CompareButton");
        TCompareDialog* dialog = nullptr;
        QVERIFY(Await([&] { return (dialog = bench.Form.findChild<TCompareDialog*>()) && dialog->isVisible(); }));
        QCOMPARE(dialog->TableText(),
            "Setting\tForm\tQUILMOX\nInhibit Input\t0\t16\nInvert Inputs: 1\ton\toff\n"
            "Outputs 1 - 8: Output 1 Pulse period\t65000\t1000\nOutputs 9 - 16: Output 16 On command\t\"Lamp\"\t"
            "\"IPOn16\"\n");
        QCOMPARE(Log(bench.Form).last(), QStringLiteral("Compare complete: 4 differences"));
        TConfigBlock after {};
        bench.Form.CollectForm(after);
        QCOMPARE(Bytes(after), Bytes(form));
        QCOMPARE(Bytes(bench.Form.Config), config);
        QCOMPARE(Bytes(bench.Form.ConfigSnapshot), snapshot);

        dialog->LoadControllerButton->click();
        QVERIFY(dialog->isHidden());
        QCOMPARE(Log(bench.Form).last(), QStringLiteral("Read Complete"));
        QCOMPARE(Value(bench.Form, "InhibitInputCSpinEdit"), QVariant(16));
        const QByteArray loaded = Bytes(bench.Form.Config);
        Click(bench.Form, "ReadButton", mrOk);
        QVERIFY(AwaitBoxes(5));
        QCOMPARE(Bytes(bench.Form.Config), loaded);
        QCOMPARE(Bytes(bench.Form.ConfigSnapshot), snapshot);
        // The read, the two compares and the read again; the protocol test finds a compare's reports a read's, byte
        // for byte.
        QCOMPARE(bench.Sent(45), kReadCommands.repeated(4));
    }

    // Signal Strength brings its window to the front with the value; each further report sets the bar again and
    // Refresh asks again; listening blocks nothing, Escape and Close hide the window. Keep refreshing asks at its
    // interval while the window is shown and logs the identity of none of its queries; a write runs between two
    // queries with none among its reports; hiding, an unplug and "Cannot find QUILMOX" (one box) end it. The
    // history keeps two minutes, survives hiding and starts again with another controller.
    void signalStrength()
    {
        Bench bench;
        bench.Form.show();
        bench.Controller.signalValues = { 23 };
        QProgressBar* bar = bench.Signal.SignalStrenthAdvSmoothProgressBar;
        QCheckBox* keep = bench.Signal.KeepRefreshingCheckBox;
        QVERIFY(!bench.Signal.findChild<QWidget*>("SignalHistoryStrip")); // built when first shown
        Click(bench.Form, "SignalStrengthButton");
        QWidget* strip = bench.Signal.findChild<QWidget*>("SignalHistoryStrip");
        QVERIFY(!keep->isChecked() && strip && strip->accessibleDescription() == "No values yet");
        QVERIFY(Await([&] { return bar->text() == "23" && QApplication::activeWindow() == &bench.Signal; }));
        QCOMPARE(DeviceCommands(bench), "offered"); // listening for values blocks nothing
        bench.Controller.InjectReport(Hex("0000FF")); // each further report sets the bar again; above 30 it is full
        QVERIFY(Await([&] { return bar->text() == "255" && bar->value() == 30; }));
        bench.Controller.signalValues = { 0 };
        QTest::mouseClick(bench.Signal.RefreshButton, Qt::LeftButton);
        QVERIFY(Await([&] { return bar->value() == 0 && bar->text() == "0"; }));
        QCOMPARE(bench.Sent(), "SASA");
        QTest::keyClick(&bench.Signal, Qt::Key_Escape);
        QVERIFY(bench.Signal.isHidden());

        bench.Signal.show();
        bench.Signal.SetRefreshInterval(50);
        bench.Controller.signalValues = { 12 };
        keep->click();
        QVERIFY(Await([&] { return bench.Sent().count("SA") >= 6; }));
        QCOMPARE(Log(bench.Form).size(), 4); // the identity as Signal Strength and Refresh asked
        QVERIFY(Await([&] { return bench.Form.WriteButton->isEnabled(); }));
        const auto before = std::size_t(bench.Sent().size());
        Click(bench.Form, "WriteButton", mrOk);
        QVERIFY(AwaitBoxes(1) && Await([&] { return bench.Sent(before).count("SA") >= 2; }));
        QVERIFY2(bench.Sent(before).startsWith(kWriteCommands + "SA"), bench.Sent(before));
        QVERIFY(bench.Signal.History().size() >= 8);
        QCOMPARE(strip->accessibleDescription(), QStringLiteral("The last two minutes; latest value 12"));

        QTest::mouseClick(bench.Signal.CloseButton, Qt::LeftButton);
        QVERIFY(bench.Signal.isHidden() && !keep->isChecked() && Await([&] { return !bench.Form.LinkBusy(); }));
        const std::size_t held = bench.Signal.History().size();
        Click(bench.Form, "SignalStrengthButton");
        QVERIFY(Await([&] { return bench.Signal.History().size() == held + 1; }));
        bench.Controller.identity.serialNumber = 7; // another controller: its values alone
        QTest::mouseClick(bench.Signal.RefreshButton, Qt::LeftButton);
        QVERIFY(Await([&] { return bench.Signal.History().size() == 1; }));

        keep->click();
        bench.Signal.SetRefreshInterval(60000); // no further tick before the unplug
        QVERIFY(Await([&] { return !bench.Form.LinkBusy(); }));
        bench.Controller.UnplugAfter(0);
        QVERIFY(Await([&] { return !keep->isChecked(); }));
        bench.Signal.SetRefreshInterval(5);
        ToolkitScript::SetNextAnswer(mrOk);
        keep->click();
        QVERIFY(AwaitBoxes(2));
        QCOMPARE(Boxes(), (QStringList { "Download Complete", "Cannot find QUILMOX" }));
        QVERIFY(!keep->isChecked());

        qint64 now = 0;
        bench.Signal.SetClock([&] { return now += 61000; });
        for (int value : { 1, 2, 3 })
            bench.Signal.ShowSignalStrength(value);
        QCOMPARE(bench.Signal.History().front().value, 2); // 122 s before the last value: gone
    }

    // No controller, one in program mode, one that runs another application: the box, and nothing else changes.
    void refused()
    {
        using Failure = EmulatedController::OpenFailure;
        // A controller that is there but will not open is told with the cause beneath.
        const QString unopened = "Cannot find QUILMOX\n" + OpenFailureCause("emulated/hidraw0");
        const std::tuple<QByteArray, Failure, int, QString> rows[]
            = { { "HID\\VID_046D&PID_C52B&REV_1201", Failure::None, 11, "Cannot find QUILMOX" },
                  { kProgramMode, Failure::None, 11, "QUILMOX is in Program Mode" },
                  { kNormal, Failure::Read, 11, unopened }, { kProgramMode, Failure::Write, 11, unopened },
                  { kNormal, Failure::None, 12, "Application is not a QUILMOX Parlowen" } };
        for (const auto& [hardwareId, failure, identityByte4, box] : rows) {
            for (const QString& button : kDeviceButtons) {
                Bench bench(hardwareId, failure);
                bench.Controller.identity.check[2] = uint8_t(identityByte4);
                Set(bench.Form, "DeviceNameEdit", "Edited");
                Click(bench.Form, button, mrOk);
                QVERIFY(AwaitBoxes(1) && Await([&] { return bench.Form.ProtocolState() == 0; }));
                QCOMPARE(Boxes(), QStringList { box });
                QCOMPARE(ToolkitScript::AskedBoxes()[0].Kind, TMsgDlgType::mtError);
                const bool answered = hardwareId == kNormal && failure == Failure::None;
                QCOMPARE(bench.Sent(), answered ? "S" : "");
                QCOMPARE(DeviceCommands(bench), "offered");
                QVERIFY(Log(bench.Form).isEmpty());
                QCOMPARE(bench.Controller.openHandles, answered ? 2 : 0); // program mode is let go
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
            { "SignalStrengthButton", 1, "Signal strength not completed." },
            { "CompareButton", 1, "Compare not completed." }, { "CompareButton", 42, "Compare not completed." } };
        for (const bool unplugged : { true, false }) {
            for (const auto& [button, answered, line] : rows) {
                Bench bench;
                bench.Form.Session().Link().SetAnswerTimeout(200);
                unplugged ? bench.Controller.UnplugAfter(answered) : bench.Controller.SilenceAfter(answered);
                bench.Controller.presetHalves[2] = QByteArray(62, 'r'); // what a read would bring
                const QByteArray config = Bytes(bench.Form.Config);
                Click(bench.Form, button, mrOk);
                if (!unplugged && button == "SignalStrengthButton") { // the query's answer is still awaited
                    QVERIFY(Await([&] { return bench.Form.ProtocolState() == 61; }));
                    QCOMPARE(DeviceCommands(bench), "busy");
                }
                QVERIFY(AwaitBoxes(1));
                QCOMPARE(
                    Boxes(), QStringList { unplugged ? "QUILMOX was disconnected." : "QUILMOX stopped answering." });
                QCOMPARE(Log(bench.Form).last(), line);
                QCOMPARE(Bytes(bench.Form.Config), config); // what an unfinished read brought stays out
                QCOMPARE(Value(bench.Form, "DeviceNameEdit"), QVariant("QUILMOX"));
                QCOMPARE(bench.Form.ProtocolState(), 0);
                QCOMPARE(DeviceCommands(bench), "offered");
                QVERIFY(Await([&] { return bench.Controller.openHandles == 0; }));
                bench.Controller.InjectReport(Hex("000000010B")); // a late answer finds no link
                QCoreApplication::processEvents();
                bench.Controller.AddDevice(kNormal); // plugged in again: the next command runs whole
                bench.Controller.SilenceAfter(-1);
                const std::size_t sent = bench.Controller.OutputLog().size();
                Click(bench.Form, "WriteButton", mrOk);
                QVERIFY(AwaitBoxes(2));
                QCOMPARE(Boxes().last(), QStringLiteral("Download Complete"));
                QCOMPARE(bench.Sent(sent), kWriteCommands);
            }
        }
    }

    // A write works on its own copy: held at its 15th report, it sends the block of the click, whatever the operator
    // edits, saves, loads or starts meanwhile: the save has the form as shown, the load waits, the others are not
    // taken. (A read's own copy: endings.)
    void ownCopy()
    {
        QTemporaryDir dir;
        Bench bench;
        const QString other = dir.filePath("other.dat"), saved = dir.filePath("saved.dat");
        QVERIFY(SaveSettingsFile(other, Block(DefaultImage().replace(624, 1, "F")))); // its device name "FUILMOX"
        Set(bench.Form, "SMSMessageMemo", "Clicked"); // its chunks go out after the held report
        TConfigBlock clicked = bench.Form.Config;
        bench.Form.CollectForm(clicked);

        bench.Controller.HoldWrite(15, 60000, false);
        Click(bench.Form, "WriteButton");
        QVERIFY(Await([&] { return bench.Controller.WriteHeld(); }));
        Set(bench.Form, "SMSMessageMemo", "Edited");
        QVERIFY(!bench.Form.LoadButton->isEnabled());
        ToolkitScript::SetNextAnswer(mrOk);
        bench.Form.LoadFile(other); // as a drop loads
        ToolkitScript::SetNextAnswer(mrOk);
        bench.Form.LoadButtonClick(); // as Ctrl+O does
        ToolkitScript::SetNextFileName(saved);
        bench.Form.SaveButtonClick();
        bench.Form.ReadButtonClick(); // as a key would: refused while the write runs, its block untouched
        bench.Form.CompareButtonClick();
        ToolkitScript::SetNextAnswer(mrOk);
        bench.Controller.ReleaseWrite();
        QVERIFY(AwaitBoxes(3));
        QCOMPARE(Boxes(), (QStringList { kLoadWaits, kLoadWaits, "Download Complete" }));
        QCOMPARE(Wire(bench.Controller.OutputLog(), 0, 45), ExpectedWrite(clicked));
        QVERIFY(bench.Form.LoadButton->isEnabled());
        QCOMPARE(ReadFile(saved).mid(36 + 112, 7), QByteArray("Edited", 7)); // the message, after the file's header
        QCOMPARE(Value(bench.Form, "DeviceNameEdit"), QVariant("QUILMOX")); // the file never loaded
    }

    // Closing during a write asks first, and No waits for its end; during a read the window closes as ever.
    void closeDuringOperation()
    {
        const std::tuple<QString, int, bool> rows[]
            = { { "WriteButton", mrNo, false }, { "WriteButton", mrYes, true }, { "ReadButton", 0, true } };
        for (const auto& [button, answer, closes] : rows) {
            Bench bench;
            bench.Form.show();
            bench.Controller.HoldWrite(10, 60000, false);
            Click(bench.Form, button);
            QVERIFY(Await([&] { return bench.Controller.WriteHeld(); }));
            ToolkitScript::SetNextAnswer(answer ? answer : mrOk);
            QCOMPARE(bench.Form.close(), closes);
            QCOMPARE(Boxes(), answer ? QStringList { kCloseAsks } : QStringList());
            QVERIFY(!answer || ToolkitScript::AskedBoxes()[0].Buttons == TMsgDlgButtons::mbYesNo);
            ToolkitScript::SetNextAnswer(mrOk);
            bench.Controller.ReleaseWrite();
            // Waited for: the write ends whole, and nothing changed since the start, so closing asks nothing.
            QVERIFY(closes || (AwaitBoxes(2) && Boxes().last() == "Download Complete" && bench.Form.close()));
        }
    }

    // A write that the system holds up for a second, then refuses, never stops the window's own thread (a 10 ms
    // timer ticks on), and the operation then ends as by an unplug, told at once. (A held write that goes through:
    // ownCopy and closeDuringOperation.)
    void writeHeldUp()
    {
        Bench bench;
        bench.Controller.HoldWrite(10, 1000, true);
        Heartbeat heartbeat;
        Click(bench.Form, "WriteButton", mrOk);
        QVERIFY(AwaitBoxes(1));
        QVERIFY2(heartbeat.longest < 250, qPrintable(QString::number(heartbeat.longest)));
        QCOMPARE(Boxes(), QStringList { "QUILMOX was disconnected." });
        QCOMPARE(Log(bench.Form).last(), QStringLiteral("Write not completed."));
        QCOMPARE(bench.Sent(), kWriteCommands.left(9));
        QVERIFY(Await([&] { return bench.Controller.openHandles == 0; }));
    }

    // A real "Read Complete" box holds the reader in its hand-over: a report that arrives meanwhile waits until
    // the box is closed, and is then dropped in the idle state. Keep refreshing sends nothing meanwhile.
    void boxHoldsTheReader()
    {
        Bench bench;
        ToolkitScript::SetStrict(false);
        bench.Form.show();
        bench.Signal.show();
        bench.Signal.SetRefreshInterval(20);
        int stateInBox = -1, pendingInBox = -1, sentInBox = -1;
        QStringList laterBoxes; // closed at once, so that the test fails on them instead of waiting
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && stateInBox >= 0) {
                laterBoxes << box->text();
                box->done(0);
            }
            if (!box || stateInBox >= 0)
                return;
            const int sent = int(bench.Sent().size());
            bench.Controller.InjectReport(Hex("000000010B"));
            Await([] { return false; }, 100);
            stateInBox = bench.Form.ProtocolState();
            pendingInBox = bench.Controller.PendingInputs();
            sentInBox = int(bench.Sent().size()) - sent;
            // The unasked report reaches the protocol once the box closes; no query may be under way to take it.
            bench.Signal.KeepRefreshingCheckBox->click();
            box->button(QMessageBox::Ok)->click();
        });
        bench.Signal.KeepRefreshingCheckBox->click();
        QVERIFY(Await([&] { return bench.Form.ReadButton->isEnabled(); }));
        poll.start(5);
        bench.Form.ReadButton->click();
        QVERIFY(Await([&] { return stateInBox >= 0 && bench.Controller.PendingInputs() == 0; }));
        QCOMPARE(stateInBox, 0);
        QCOMPARE(pendingInBox, 1);
        QCOMPARE(sentInBox, 0);
        QVERIFY(bench.Sent().contains("A" + kReadCommands));
        QCOMPARE(Log(bench.Form).size(), 2);
        QVERIFY2(laterBoxes.isEmpty(), qPrintable(laterBoxes.join(" | ")));
    }
};

QTEST_MAIN(TestMainDevice)
#include "test_MainDevice.moc"
