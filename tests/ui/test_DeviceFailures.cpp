// The device commands when things go wrong: no controller (also among the system's own HID devices), a controller
// in program mode, a controller unplugged mid-transfer, a read started over a running write, a report arriving
// while a box is open, and a window closed while its reader runs.
#include "DeviceProbe.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>
#include <memory>

using namespace DeviceProbe;

namespace {

const QByteArray kOtherRevisionId = "HID\\VID_04D8&PID_F2C4&REV_0002";
// Whole 65-byte input reports, as the controller sends them.
const QByteArray kGoodIdentity = Padded(QByteArray::fromHex("005300010b"), kReportSize);
const QByteArray kWriteHalfAnswer = Padded(QByteArray::fromHex("0064"), kReportSize);

// Runs `job` inside the event loop of the next modal box, once that box is up.
void WhenModal(QObject* context, std::function<void(QMessageBox*)> job)
{
    auto* poll = new QTimer(context);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, context, [poll, job] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        job(box);
    });
    poll->start();
}

} // namespace

class TestDeviceFailures : public QObject
{
    Q_OBJECT

private slots:
    void init() { ToolkitScript::Reset(); }
    void cleanup() { ToolkitScript::Reset(); }

    void noUsableController_data();
    void noUsableController();
    void noControllerOnTheSystem();
    void programModeBesideNormal();
    void unplugMidWrite_data();
    void unplugMidWrite();
    void readOverRunningWrite_data();
    void readOverRunningWrite();
    void boxHoldsTheReader();
    void closeWhileReaderRuns_data();
    void closeWhileReaderRuns();
};

void TestDeviceFailures::noUsableController_data()
{
    QTest::addColumn<QByteArray>("hardwareId");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");

    const QByteArray mouse = "HID\\VID_046D&PID_C52B&REV_1201";
    for (const char* button : { "WriteButton", "ReadButton", "SignalStrengthButton" }) {
        QTest::addRow("no controller, %s", button) << mouse << button << "Cannot find QUILMOX";
        QTest::addRow("program mode, %s", button) << kProgramModeId << button << "QUILMOX is in Program Mode";
    }
}

void TestDeviceFailures::noUsableController()
{
    QFETCH(QByteArray, hardwareId);
    QFETCH(QString, button);
    QFETCH(QString, box);

    Bench bench;
    bench.Controller.AddDevice(hardwareId);
    SetControl(bench.Form, QStringLiteral("DeviceNameEdit"), QStringLiteral("Edited"));
    // A state left by an earlier operation is not touched by a failed connect.
    bench.Form.Protocol.ProtocolState = 61;

    ToolkitScript::SetNextAnswer(mrOk);
    Click(bench.Form, button);
    QCOMPARE(AskedTexts(), QStringList { box });
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtError);
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Buttons, TMsgDlgButtons::mbOK);
    QVERIFY(bench.Controller.OutputLog().empty());
    // Nothing foreign is opened; a program-mode device is let go after its box.
    QCOMPARE(bench.Controller.OpenLog().empty(), hardwareId != kProgramModeId);
    QCOMPARE(bench.Controller.OpenHandleCount(), 0);
    QCOMPARE(bench.Form.Link().Connected(), uint8_t(0));
    QCOMPARE(bench.Form.Protocol.ProtocolState, 61);
    // Only Write collects the form before it looks for the controller.
    const QByteArray name(reinterpret_cast<const char*>(bench.Form.Config.DeviceName), 8);
    QCOMPARE(name, button == "WriteButton" ? QByteArray("Edited\0\0", 8) : QByteArray("QUILMOX\0", 8));
    QVERIFY(LogLines(bench.Form).isEmpty());
    // The signal strength window comes up before the controller is looked for.
    QCOMPARE(bench.Signal.isVisible(), button == QLatin1String("SignalStrengthButton"));

    // The next command looks again.
    const int enumerated = bench.Controller.EnumerateCount();
    ToolkitScript::SetNextAnswer(mrOk);
    Click(bench.Form, button);
    QVERIFY(bench.Controller.EnumerateCount() > enumerated);
    QCOMPARE(AskedTexts(), QStringList({ box, box }));
}

void TestDeviceFailures::noControllerOnTheSystem()
{
    TMainForm form; // the system's HID devices, where no controller is attached
    ToolkitScript::SetNextAnswer(mrOk);
    Click(form, QStringLiteral("WriteButton"));
    QCOMPARE(AskedTexts(), QStringList { "Cannot find QUILMOX" });
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtError);
    QCOMPARE(form.Link().Connected(), uint8_t(0));
    QVERIFY(LogLines(form).isEmpty());
}

void TestDeviceFailures::programModeBesideNormal()
{
    Bench bench;
    bench.Controller.AddDevice(kProgramModeId);
    const QByteArray normal = bench.Controller.AddDevice(kNormalId);
    ToolkitScript::SetNextAnswer(mrOk);
    Click(bench.Form, QStringLiteral("WriteButton"));
    QVERIFY(BoxAsked());
    QCOMPARE(AskedTexts(), QStringList { "Download Complete" });
    QCOMPARE(int(bench.Controller.OutputLog().size()), 45);
    const auto opens = bench.Controller.OpenLog();
    QCOMPARE(int(opens.size()), 2);
    for (const auto& open : opens)
        QCOMPARE(open.path, normal);
}

void TestDeviceFailures::unplugMidWrite_data()
{
    QTest::addColumn<bool>("secondPresent");
    QTest::newRow("controller plugged in again") << false;
    QTest::newRow("another controller still present") << true;
}

void TestDeviceFailures::unplugMidWrite()
{
    QFETCH(bool, secondPresent);

    Bench bench;
    bench.Controller.AddDevice(kNormalId);
    if (secondPresent)
        bench.Controller.AddDevice(kOtherRevisionId);
    // Identify, write start and the halves of chunks 0..3 are answered; the device is gone before chunk 4.
    bench.Controller.UnplugAfter(10);
    Click(bench.Form, QStringLiteral("WriteButton"));
    QVERIFY(Await([&] { return bench.Form.Link().Connected() == 0; }));
    QCOMPARE(int(bench.Controller.OutputLog().size()), 10);
    QCOMPARE(LogLines(bench.Form).size(), 2); // the identity lines, and no "Data downloaded"
    QVERIFY(ToolkitScript::AskedBoxes().isEmpty());
    // The state waits for an answer to chunk 4's first half that will never come.
    QCOMPARE(bench.Form.Protocol.ProtocolState, 7);

    if (!secondPresent)
        bench.Controller.AddDevice(kNormalId);
    bench.Controller.SilenceAfter(-1);
    const int enumerated = bench.Controller.EnumerateCount();
    ToolkitScript::SetNextAnswer(mrOk);
    Click(bench.Form, QStringLiteral("WriteButton"));
    QVERIFY(bench.Controller.EnumerateCount() > enumerated);
    QVERIFY(BoxAsked());
    QCOMPARE(AskedTexts(), QStringList { "Download Complete" });
    const auto log = bench.Controller.OutputLog();
    QCOMPARE(int(log.size()), 10 + 45);
    QCOMPARE(Commands(log).mid(10, 2), QByteArray("SE"));
    QCOMPARE(LogLines(bench.Form).last(), QStringLiteral("Data downloaded"));
    // The handles of the vanished device were released when the new link opened.
    QCOMPARE(bench.Controller.OpenHandleCount(), 2);
    QCOMPARE(bench.Controller.OpenLog().back().path, bench.Controller.Enumerate().back().path);
}

void TestDeviceFailures::readOverRunningWrite_data()
{
    QTest::addColumn<QByteArray>("nextReport");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("reportsSent");

    // The late answer to the write half is judged as the read's identity reply, and refused.
    QTest::newRow("late write answer") << kWriteHalfAnswer << "Application is not a QUILMOX Parlowen" << 12;
    QTest::newRow("identity reply") << kGoodIdentity << "Read Complete" << 11 + 43;
}

void TestDeviceFailures::readOverRunningWrite()
{
    QFETCH(QByteArray, nextReport);
    QFETCH(QString, box);
    QFETCH(int, reportsSent);

    Bench bench;
    bench.Controller.AddDevice(kNormalId);
    bench.Controller.SilenceAfter(10); // the write stalls waiting for the answer to chunk 4's first half
    Click(bench.Form, QStringLiteral("WriteButton"));
    QVERIFY(Await([&] { return bench.Controller.OutputLog().size() == 11 && ReaderIdle(bench.Controller); }));
    QCOMPARE(bench.Form.Protocol.ProtocolState, 7);

    Click(bench.Form, QStringLiteral("ReadButton"));
    QCOMPARE(bench.Form.Protocol.ProtocolState, 30);
    bench.Controller.SilenceAfter(-1);
    ToolkitScript::SetNextAnswer(mrOk);
    bench.Controller.InjectReport(nextReport);
    QVERIFY(BoxAsked());
    QCOMPARE(AskedTexts(), QStringList { box });
    QVERIFY(Await([&] { return ReaderIdle(bench.Controller); }));
    const auto log = bench.Controller.OutputLog();
    QCOMPARE(int(log.size()), reportsSent);
    QCOMPARE(char(log[11][1]), 'S');
    QCOMPARE(bench.Form.Protocol.ProtocolState, 0);
}

void TestDeviceFailures::boxHoldsTheReader()
{
    Bench bench;
    bench.Controller.AddDevice(kNormalId);
    // No scripted answer: "Download Complete" runs its own modal loop, from inside the report's hand-over.
    QObject scope;
    bool boxDone = false;
    bool sawBox = false;
    int stateInBox = -1;
    bool takenInBox = true;
    int sentInBox = -1;
    int extraBoxes = 0;
    WhenModal(&scope, [&](QMessageBox* box) {
        sawBox = box->text() == QStringLiteral("Download Complete") && box->icon() == QMessageBox::Information;
        bench.Controller.InjectReport(QByteArray::fromHex("0000") + kGoodIdentity.mid(2));
        // The reader must leave the report queued while the box is open. A box opened over this one is a fault:
        // it is closed and counted, so that the test reports it instead of hanging.
        takenInBox = Await(
            [&] {
                auto* other = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (other && other != box && ++extraBoxes)
                    other->reject();
                return bench.Controller.PendingInputs() == 0;
            },
            200);
        stateInBox = bench.Form.Protocol.ProtocolState;
        sentInBox = int(bench.Controller.OutputLog().size());
        box->button(QMessageBox::Ok)->click();
        boxDone = true;
    });
    Click(bench.Form, QStringLiteral("WriteButton"));
    QVERIFY(Await([&] { return boxDone; }));
    QVERIFY(sawBox);
    QCOMPARE(extraBoxes, 0);
    QCOMPARE(stateInBox, 21);
    QVERIFY(!takenInBox);
    QCOMPARE(sentInBox, 45);

    // Once the box is closed the report is handled, in the idle state: dropped.
    QVERIFY(Await([&] { return ReaderIdle(bench.Controller); }));
    QCOMPARE(bench.Form.Protocol.ProtocolState, 0);
    QCOMPARE(int(bench.Controller.OutputLog().size()), 45);
    QCOMPARE(LogLines(bench.Form).size(), 3);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestDeviceFailures::closeWhileReaderRuns_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answers");
    QTest::addColumn<bool>("reportInHandOver");

    QTest::newRow("waiting for a report") << "SignalStrengthButton" << -1 << false;
    QTest::newRow("write stalled") << "WriteButton" << 5 << false;
    QTest::newRow("report in the hand-over") << "SignalStrengthButton" << -1 << true;
}

void TestDeviceFailures::closeWhileReaderRuns()
{
    QFETCH(QString, button);
    QFETCH(int, answers);
    QFETCH(bool, reportInHandOver);

    EmulatedController controller;
    controller.AddDevice(kNormalId);
    controller.SilenceAfter(answers);
    TSignalStrengthForm signal; // outlives the main window
    auto form = std::make_unique<TMainForm>(nullptr, &controller);
    form->SetSignalStrengthForm(&signal);
    form->show();
    Click(*form, button);
    QVERIFY(Await([&] { return ReaderIdle(controller); }));
    QCOMPARE(form->Link().Connected(), uint8_t(1));
    QCOMPARE(controller.OpenHandleCount(), 2);

    if (reportInHandOver) {
        // The reader takes the report and waits for the GUI thread, which does not serve it before closing.
        controller.InjectReport(QByteArray::fromHex("000007"));
        QVERIFY(WaitWithoutEvents([&] { return controller.PendingInputs() == 0; }));
    }
    QVERIFY(form->close());
    QVERIFY(ToolkitScript::AskedBoxes().isEmpty());
    form.reset();
    QCOMPARE(controller.OpenHandleCount(), 0);
    // A hand-over left behind must not reach the destroyed window, whose protocol would set the bar to 7.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(signal.SignalStrenthAdvSmoothProgressBar->value(), 0);
    QCOMPARE(controller.OpenHandleCount(), 0);
}

QTEST_MAIN(TestDeviceFailures)
#include "test_DeviceFailures.moc"
