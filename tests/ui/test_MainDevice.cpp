// The window's device commands against the emulated controller through the real reader thread: a write of the
// edited form and a read that presents what arrived, one operation at a time, the signal strength window, the
// refusals, the endings when the controller is unplugged or falls silent, a box that holds the reader, and a
// window closed while its reader runs.
#include "WindowTest.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressBar>

namespace {

QByteArray Commands(const std::vector<TReport>& log)
{
    QByteArray letters;
    for (const TReport& report : log)
        letters += char(report[1]);
    return letters;
}

// One control set by the operator, where it lands in the block, and in which report (2 + 2c and 3 + 2c are the
// halves of chunk c) at which byte.
struct Edit
{
    const char* control;
    QVariant value;
    int offset;
    QByteArray block;
    int report;
    int at;
    QByteArray wire;
};
const Edit kEdits[] = {
    { "InputActiveMessageJvCheckBox9", true, 56, Hex("01"), 2, 4, Hex("0100") },
    { "OutputPulseCSpinEdit16", 4660, 1740, Hex("34120000"), 2, 46, Hex("1234") },
    { "InvertOutputsJvCheckBox1", true, 16, Hex("01"), 3, 43, Hex("0001") },
    { "InhibitInputCSpinEdit", 16, 1824, Hex("10000000"), 3, 40, Hex("10") },
    { "DeviceNameEdit", "Unit 7", 624, QByteArray("Unit 7").leftJustified(32, 0), 4, 3, QByteArray("Unit 7").leftJustified(32, 0) },
    { "OutputPulseEdit16", "Blink16", 1664, QByteArray("Blink16").leftJustified(16, 0), 37, 19, QByteArray("Blink16").leftJustified(16, 0) },
    { "SMSMessageMemo", QString(300, 'x'), 112, QByteArray(300, 'x').leftJustified(512, 0), 43, 3, QByteArray(16, 'x') },
};

// "offered" or "busy" when the three buttons, Refresh and the cursor agree.
QString DeviceCommands(Bench& bench)
{
    const bool offered = bench.Form.WriteButton->isEnabled();
    const bool agree = bench.Form.ReadButton->isEnabled() == offered
        && bench.Form.SignalStrengthButton->isEnabled() == offered && bench.Signal.RefreshButton->isEnabled() == offered
        && (bench.Form.cursor().shape() == Qt::BusyCursor) == !offered;
    return !agree ? QStringLiteral("mixed") : offered ? QStringLiteral("offered") : QStringLiteral("busy");
}

} // namespace

class TestMainDevice : public QObject
{
    Q_OBJECT

private slots:
    void init() { StartStrict(); }
    void cleanup() { EndStrict(); }

    // While a transfer runs the device commands are not offered, so the wire shows one uninterrupted write and
    // then one read; each comes back when its operation has ended.
    void writeThenRead()
    {
        Bench bench;
        bench.Form.show();
        QByteArray edited = DefaultImage();
        for (const Edit& edit : kEdits) {
            Set(bench.Form, edit.control, edit.value);
            edited.replace(edit.offset, edit.block.size(), edit.block);
        }
        ToolkitScript::SetNextAnswer(mrOk);
        Click(bench.Form, "WriteButton");
        QCOMPARE(DeviceCommands(bench), QStringLiteral("busy"));
        for (const char* button : { "WriteButton", "ReadButton", "SignalStrengthButton" })
            Click(bench.Form, button);
        QVERIFY(Await([&] { return Boxes().size() == 1; }));
        auto log = bench.Controller.OutputLog();
        QCOMPARE(Commands(log), "SE" + QByteArray("dD").repeated(21) + "Z");
        for (const Edit& edit : kEdits)
            QVERIFY2(QByteArray(reinterpret_cast<const char*>(log[edit.report].data()) + edit.at, edit.wire.size()) == edit.wire, edit.control);
        QCOMPARE(Log(bench.Form), (QStringList { "Dedudev Version:Parlowen 1.0", "Serial Number: 16909060", "Data downloaded" }));
        QCOMPARE(Boxes(), QStringList { "Download Complete" });
        QCOMPARE(ToolkitScript::AskedBoxes()[0].Kind, TMsgDlgType::mtInformation);
        QCOMPARE(DeviceCommands(bench), QStringLiteral("offered"));
        QCOMPARE(Bytes(bench.Form.Config), edited);

        // The controller answers input 16 as active too; the operator's later edits give way to what it holds.
        bench.Controller.SetPresetReadHalf(0, false, QByteArray(reinterpret_cast<const char*>(log[2].data()) + 3, 62).replace(1, 2, Hex("8100")));
        for (const Edit& edit : kEdits)
            Set(bench.Form, edit.control, edit.value.typeId() == QMetaType::QString ? QVariant("other") : QVariant(3));
        ToolkitScript::SetNextAnswer(mrOk);
        Click(bench.Form, "ReadButton");
        QCOMPARE(DeviceCommands(bench), QStringLiteral("busy"));
        QVERIFY(Await([&] { return Boxes().size() == 2; }));
        QCOMPARE(Boxes().last(), QStringLiteral("Read Complete"));
        QCOMPARE(Commands(bench.Controller.OutputLog()).mid(45), "S" + QByteArray("rR").repeated(21));
        QCOMPARE(Bytes(bench.Form.Config), edited.replace(63, 1, Hex("01")));
        for (const Edit& edit : kEdits)
            QCOMPARE(Value(bench.Form, edit.control), edit.value);
        QCOMPARE(DeviceCommands(bench), QStringLiteral("offered"));
        ToolkitScript::SetNextAnswer(mrCancel); // the read took no snapshot: closing asks
        QVERIFY(!bench.Form.close());
    }

    void signalStrength()
    {
        Bench bench;
        bench.Form.show();
        bench.Controller.SetSignalValue(23);
        QProgressBar* bar = bench.Signal.SignalStrenthAdvSmoothProgressBar;
        Click(bench.Form, "SignalStrengthButton");
        QVERIFY(bench.Signal.isVisible());
        QVERIFY(Await([&] { return bar->value() == 23 && QApplication::activeWindow() == &bench.Signal; }));
        QCOMPARE(bar->text(), QStringLiteral("23"));
        QCOMPARE(DeviceCommands(bench), QStringLiteral("offered")); // listening for values blocks nothing
        // Every further report sets the bar to its own byte 2; above 30 the bar is full and the text says all.
        for (const auto& [reply, position] : { std::pair { 255, 30 }, { 17, 17 } }) {
            bench.Controller.InjectReport(Hex("0000") + char(reply));
            QVERIFY(Await([&, reply = reply] { return bar->text() == QString::number(reply); }));
            QCOMPARE(bar->value(), position);
        }
        bench.Controller.SetSignalValue(5);
        QTest::mouseClick(bench.Signal.RefreshButton, Qt::LeftButton);
        QVERIFY(Await([&] { return bar->value() == 5; }));
        QCOMPARE(Commands(bench.Controller.OutputLog()), QByteArray("SASA"));
        QTest::keyClick(&bench.Signal, Qt::Key_Escape);
        QVERIFY(bench.Signal.isHidden());
        bench.Controller.InjectReport(Hex("00410c")); // hidden, the bar still follows
        QVERIFY(Await([&] { return bar->value() == 12; }));
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("hardwareId");
        QTest::addColumn<int>("identityByte4");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QByteArray>("sent");
        for (const char* button : { "WriteButton", "ReadButton", "SignalStrengthButton" }) {
            QTest::addRow("no controller, %s", button) << QByteArray("HID\\VID_046D&PID_C52B&REV_1201") << 11 << "Cannot find QUILMOX" << QByteArray();
            QTest::addRow("program mode, %s", button) << QByteArray("HID\\VID_04D8&PID_F2C4&REV_0001") << 11 << "QUILMOX is in Program Mode" << QByteArray();
            QTest::addRow("other application, %s", button) << kNormalId << 12 << "Application is not a QUILMOX Parlowen" << QByteArray("S");
        }
    }
    void refused()
    {
        QFETCH(QByteArray, hardwareId);
        QFETCH(int, identityByte4);
        QFETCH(QString, box);
        QFETCH(QByteArray, sent);
        EmulatedController controller;
        controller.AddDevice(hardwareId);
        EmulatedController::Identity identity;
        identity.check[2] = uint8_t(identityByte4);
        controller.SetIdentity(identity);
        TMainForm form(nullptr, &controller);
        TSignalStrengthForm signal;
        form.SetSignalStrengthForm(&signal);
        Set(form, "DeviceNameEdit", "Edited");
        ToolkitScript::SetNextAnswer(mrOk);
        const QString button = QString::fromLatin1(QTest::currentDataTag()).section(", ", 1);
        Click(form, button);
        QVERIFY(Await([] { return !Boxes().isEmpty(); }));
        QCOMPARE(Boxes(), QStringList { box });
        QCOMPARE(ToolkitScript::AskedBoxes()[0].Kind, TMsgDlgType::mtError);
        QCOMPARE(Commands(controller.OutputLog()), sent);
        QVERIFY(Await([&] { return form.WriteButton->isEnabled(); }));
        QCOMPARE(form.Protocol.ProtocolState, 0);
        QVERIFY(Log(form).isEmpty());
        QCOMPARE(controller.OpenHandles(), sent.isEmpty() ? 0 : 2); // a program-mode device is let go
        QCOMPARE(form.Config.DeviceName[0] == 'E', button == "WriteButton"); // only Write collects first
        QCOMPARE(signal.isVisible(), button == "SignalStrengthButton");
    }

    // A controller unplugged or silent after `answered` reports ends the operation at once with its box and a log
    // line; the next command looks for the controller again and runs whole.
    void endings_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answered");
        QTest::addColumn<bool>("unplugged");
        QTest::addColumn<QString>("line");
        for (bool unplugged : { true, false }) {
            const char* how = unplugged ? "unplugged" : "silent";
            for (int answered : { 1, 22, 44 })
                QTest::addRow("write, %s after %d", how, answered) << "WriteButton" << answered << unplugged << "Write not completed.";
            for (int answered : { 1, 42 })
                QTest::addRow("read, %s after %d", how, answered) << "ReadButton" << answered << unplugged << "Read not completed.";
            QTest::addRow("signal, %s after 1", how) << "SignalStrengthButton" << 1 << unplugged << "Signal strength not completed.";
        }
    }
    void endings()
    {
        QFETCH(QString, button);
        QFETCH(int, answered);
        QFETCH(bool, unplugged);
        QFETCH(QString, line);
        Bench bench;
        bench.Form.Link().SetAnswerTimeout(200);
        unplugged ? bench.Controller.UnplugAfter(answered) : bench.Controller.SilenceAfter(answered);
        ToolkitScript::SetNextAnswer(mrOk);
        Click(bench.Form, button);
        QVERIFY(Await([] { return !Boxes().isEmpty(); }));
        QCOMPARE(Boxes(), QStringList { unplugged ? "QUILMOX was disconnected." : "QUILMOX stopped answering." });
        QCOMPARE(Log(bench.Form).last(), line);
        QCOMPARE(bench.Form.Protocol.ProtocolState, 0);
        QCOMPARE(DeviceCommands(bench), QStringLiteral("offered"));
        QCOMPARE(bench.Controller.OpenHandles(), 0);
        bench.Controller.InjectReport(Hex("000000010B")); // a late answer finds no link
        QCoreApplication::processEvents();
        QCOMPARE(Boxes().size(), 1);

        bench.Controller.AddDevice(kNormalId); // plugged in again
        bench.Controller.SilenceAfter(-1);
        const int sent = int(bench.Controller.OutputLog().size());
        ToolkitScript::SetNextAnswer(mrOk);
        Click(bench.Form, "WriteButton");
        QVERIFY(Await([] { return Boxes().size() == 2; }));
        QCOMPARE(Boxes().last(), QStringLiteral("Download Complete"));
        QCOMPARE(Commands(bench.Controller.OutputLog()).mid(sent), "SE" + QByteArray("dD").repeated(21) + "Z");
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
            bench.Controller.InjectReport(QByteArray("\0\0\0\x01\x0B", 5));
            Await([&] { return false; }, 100);
            stateInBox = bench.Form.Protocol.ProtocolState;
            pendingInBox = bench.Controller.PendingInputs();
            box->button(QMessageBox::Ok)->click();
        });
        poll.start(5);
        Click(bench.Form, "WriteButton");
        QVERIFY(Await([&] { return stateInBox >= 0 && bench.Controller.PendingInputs() == 0 && bench.Form.WriteButton->isEnabled(); }));
        QCOMPARE(stateInBox, 21);
        QCOMPARE(pendingInBox, 1);
        QCOMPARE(bench.Form.Protocol.ProtocolState, 0);
        QCOMPARE(int(bench.Controller.OutputLog().size()), 45);
        QCOMPARE(Log(bench.Form).size(), 3);
    }

    // Closing the window while its reader waits, or with a report in the hand-over, ends cleanly.
    void closeWhileReaderRuns()
    {
        for (bool reportInHandOver : { false, true }) {
            EmulatedController controller;
            controller.AddDevice(kNormalId);
            TSignalStrengthForm signal; // outlives the main window
            auto form = std::make_unique<TMainForm>(nullptr, &controller);
            form->SetSignalStrengthForm(&signal);
            Click(*form, "SignalStrengthButton");
            QVERIFY(Await([&] { return controller.PendingInputs() == 0 && controller.WaitingReads() > 0 && form->Protocol.ProtocolState == 61; }));
            if (reportInHandOver) {
                controller.InjectReport(Hex("000007"));
                while (controller.PendingInputs() > 0)
                    QThread::yieldCurrentThread();
            }
            QVERIFY(form->close());
            form.reset();
            QCOMPARE(controller.OpenHandles(), 0);
            QCoreApplication::processEvents(); // a hand-over left behind must not reach the destroyed window
            QCOMPARE(signal.SignalStrenthAdvSmoothProgressBar->value(), 0);
        }
    }
};

QTEST_MAIN(TestMainDevice)
#include "test_MainDevice.moc"
