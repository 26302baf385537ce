// The device link over the emulated controller: discovery among the present interfaces, the reader thread's
// hand-over, a controller that falls silent, and a close with a hand-over still on its way. (The window's and the
// command line's tests unplug the controller at every stage of an operation.)
#include "EmulatedController.h"
#include "device/DeviceLink.h"
#include "device/HidapiPort.h"

#include <QSignalSpy>
#include <QtTest>

using Failure = EmulatedController::OpenFailure;
Q_DECLARE_METATYPE(ConnectResult)
Q_DECLARE_METATYPE(Failure)

namespace {

const QByteArray kNormal = "HID\\VID_04D8&PID_F2C4&REV_000B";
const QByteArray kProgramMode = "HID\\VID_04D8&PID_F2C4&REV_0001";
const QByteArray kOtherRevision = "HID\\VID_04D8&PID_F2C4&REV_0002";

QByteArray Pattern(int length, int seed)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(seed + 7 * i);
    return bytes;
}

} // namespace

class TestDeviceLink : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        emulator = std::make_unique<EmulatedController>();
        receiveBuffer.fill(0xEE);
        seen.clear();
        link = std::make_unique<TDeviceLink>(*emulator, receiveBuffer.data(), [this] {
            seen.append(QByteArray(reinterpret_cast<const char*>(receiveBuffer.data()), kReportSize));
            awaitingInHandler = link->AwaitingAnswer();
        });
    }
    void cleanup()
    {
        link.reset();
        emulator.reset();
    }

    void discovery_data()
    {
        QTest::addColumn<QList<QByteArray>>("ids");
        QTest::addColumn<Failure>("firstFails");
        QTest::addColumn<ConnectResult>("result");
        QTest::addColumn<int>("linked"); // the device left open, -1 for none
        QTest::addColumn<int>("opens"); // successful opens, kept or not
        using Ids = QList<QByteArray>;
        const Failure ok = Failure::None;
        QTest::newRow("none") << Ids {} << ok << ConnectResult::NotFound << -1 << 0;
        QTest::newRow("foreign only") << Ids { "HID\\VID_046D&PID_C52B&REV_1201", "HID\\VID_04D8&PID_000A&REV_000B" }
                                      << ok << ConnectResult::NotFound << -1 << 0;
        QTest::newRow("program mode alone, let go")
            << Ids { kProgramMode } << ok << ConnectResult::ProgramMode << -1 << 2;
        QTest::newRow("program mode before normal")
            << Ids { kProgramMode, kNormal } << ok << ConnectResult::Ready << 1 << 2;
        QTest::newRow("first of two") << Ids { kNormal, kNormal } << ok << ConnectResult::Ready << 0 << 2;
        QTest::newRow("lower case inside a longer string, before another revision")
            << Ids { kOtherRevision, "USB\\" + kNormal.toLower() + "&Col01" } << ok << ConnectResult::Ready << 1 << 2;
        QTest::newRow("read open fails") << Ids { kNormal, kNormal } << Failure::Read << ConnectResult::NotFound << -1
                                         << 2;
        QTest::newRow("write open fails, program mode behind")
            << Ids { kNormal, kProgramMode } << Failure::Write << ConnectResult::ProgramMode << -1 << 3;
    }
    void discovery()
    {
        QFETCH(QList<QByteArray>, ids);
        QFETCH(Failure, firstFails);
        QFETCH(ConnectResult, result);
        QFETCH(int, linked);
        QFETCH(int, opens);
        QList<QByteArray> paths;
        for (int i = 0; i < ids.size(); ++i)
            paths << emulator->AddDevice(ids[i], i == 0 ? firstFails : Failure::None);
        QCOMPARE(link->ConnectDevice(), result);
        QCOMPARE(int(emulator->openedPaths.size()), opens);
        QCOMPARE(int(link->Connected()), linked < 0 ? 0 : 1);
        QCOMPARE(emulator->openHandles, linked < 0 ? 0 : 2);
        link->SendReport(TReport {});
        QCOMPARE(int(emulator->outputLog.size()), linked < 0 ? 0 : 1);
        if (linked >= 0) {
            QCOMPARE(emulator->openedPaths.back(), paths[linked]);
            QTRY_COMPARE(seen.size(), 1); // the reader runs on the linked device
        }
        const int openedBefore = int(emulator->openedPaths.size());
        const QByteArray chosen = emulator->AddDevice(kNormal);
        if (linked >= 0) { // while connected nothing is looked for
            QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
            QCOMPARE(int(emulator->openedPaths.size()), openedBefore);
            link->Close();
        }
        link->SetDevicePath(chosen); // one controller chosen among several
        QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        QCOMPARE(emulator->openedPaths.back(), chosen);
    }

    // hidapi's IDs in the form the identifiers are written for.
    void hidapiHardwareId()
    {
        QCOMPARE(FormatHardwareId(0x04D8, ControllerProductId, 0x000B), kNormal);
        QCOMPARE(FormatHardwareId(0xA, 0xBC, 0x1), QByteArray("HID\\VID_000A&PID_00BC&REV_0001"));
        HidapiPort port; // the system's devices: none of them is a controller in a test run
        for (const HidInterfaceInfo& info : port.Enumerate())
            QVERIFY(!info.hardwareId.toLower().contains(AnyRevisionIdentifier().toLower()));
    }

    // A report arrives whole in ReceiveBuffer; a short one leaves the rest of the one before.
    void reportsTravelWhole()
    {
        Connect();
        TReport report {};
        report.back() = 0x5A;
        link->SendReport(report);
        QCOMPARE(emulator->outputLog.at(0), report);
        emulator->InjectReport(Pattern(kReportSize, 1));
        QTRY_COMPARE(seen.size(), 1);
        emulator->InjectReport(Pattern(10, 100));
        QTRY_COMPARE(seen.size(), 2);
        QCOMPARE(seen[0].toHex(), Pattern(kReportSize, 1).toHex());
        QCOMPARE(seen[1].toHex(), (Pattern(10, 100) + Pattern(kReportSize, 1).mid(10)).toHex());
    }

    // Silent follows a report whose answer does not come in time, never one that was answered.
    void silence()
    {
        Connect();
        link->SetAnswerTimeout(50);
        QSignalSpy silent(link.get(), &TDeviceLink::Silent);
        link->SendReport(TReport {});
        QVERIFY(link->AwaitingAnswer());
        emulator->InjectReport(Pattern(kReportSize, 1));
        QTRY_COMPARE(seen.size(), 1);
        QVERIFY(!awaitingInHandler);
        QTest::qWait(100);
        QCOMPARE(silent.size(), 0);
        link->SendReport(TReport {});
        QTRY_COMPARE(silent.size(), 1);
        link->SendReport(TReport {});
        link->Close(); // a close ends the wait too
        QTest::qWait(100);
        QCOMPARE(silent.size(), 1);
    }

    // A hand-over still queued when the link closes never reaches the handler, nor the handler of a new link.
    void closeWithHandOverPending()
    {
        Connect();
        emulator->InjectReport(Pattern(kReportSize, 1));
        QDeadlineTimer deadline(10000); // waits without the event loop, so the hand-over stays queued
        while (emulator->PendingInputs() > 0 && !deadline.hasExpired())
            QThread::yieldCurrentThread();
        link->Close();
        QCOMPARE(emulator->openHandles, 0);
        link->SendReport(TReport {});
        QVERIFY(emulator->outputLog.empty());
        QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        QCoreApplication::processEvents();
        QVERIFY(seen.isEmpty());
        emulator->InjectReport(Pattern(kReportSize, 2));
        QTRY_COMPARE(seen.size(), 1);
        QCOMPARE(seen[0], Pattern(kReportSize, 2));
    }

private:
    void Connect()
    {
        emulator->AddDevice(kNormal);
        emulator->SilenceAfter(0); // only what a test injects arrives
        QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
    }

    std::unique_ptr<EmulatedController> emulator;
    std::unique_ptr<TDeviceLink> link;
    TReport receiveBuffer {};
    QList<QByteArray> seen;
    bool awaitingInHandler = true;
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_DeviceLink.moc"
