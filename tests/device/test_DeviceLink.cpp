// The device link over the emulated controller: discovery among the present interfaces, the reader thread's
// hand-over, a controller that falls silent, and a close with a hand-over still on its way. (The window's and the
// command line's tests unplug the controller at every stage of an operation.)
#include "EmulatedController.h"
#include "device/DeviceLink.h"
#include "device/HidapiPort.h"
#include "device/OpenFailure.h"

#include <QtTest>

using Failure = EmulatedController::OpenFailure;

namespace {

QByteArray Pattern(int length, int seed)
{
    QByteArray bytes(length, '\0');
    std::generate(bytes.begin(), bytes.end(), [&] { return char(seed += 7); });
    return bytes;
}

} // namespace

class TestDeviceLink : public QObject
{
    Q_OBJECT
    std::unique_ptr<EmulatedController> emulator;
    std::unique_ptr<TDeviceLink> link;
    TReport receiveBuffer {};
    QList<QByteArray> seen;
    bool awaitingInHandler = true;

private slots:
    void init()
    {
        link.reset(); // before the controller whose handles it holds
        emulator = std::make_unique<EmulatedController>();
        seen.clear();
        link = std::make_unique<TDeviceLink>(*emulator, receiveBuffer.data(), [this] {
            seen.append(QByteArray(reinterpret_cast<const char*>(receiveBuffer.data()), kReportSize));
            awaitingInHandler = link->AwaitingAnswer();
        });
    }
    void cleanup() { link.reset(); }

    // Each row: the present interfaces (the first may fail to open), the outcome, the device left open (-1: none)
    // and the count of opens that succeeded, kept or not. Revision 000B comes first, in either letter case, also
    // inside a longer string. While connected nothing is looked for; a path given chooses one controller.
    void discovery()
    {
        using R = ConnectResult;
        const Failure ok = Failure::None;
        const std::tuple<QList<QByteArray>, Failure, R, int, int> rows[] = { { {}, ok, R::NotFound, -1, 0 },
            { { "HID\\VID_046D&PID_C52B&REV_1201", "HID\\VID_04D8&PID_000A&REV_000B" }, ok, R::NotFound, -1, 0 },
            { { kProgramMode }, ok, R::ProgramMode, -1, 2 }, // let go at once
            { { kProgramMode, kNormal }, ok, R::Ready, 1, 2 }, { { kNormal, kNormal }, ok, R::Ready, 0, 2 },
            { { "HID\\VID_04D8&PID_F2C4&REV_0002", "USB\\" + kNormal.toLower() + "&Col01" }, ok, R::Ready, 1, 2 },
            { { kNormal, kNormal }, Failure::Read, R::NotFound, -1, 2 }, // no link without both handles
            { { kNormal, kProgramMode }, Failure::Write, R::ProgramMode, -1, 3 } };
        for (const auto& [ids, firstFails, result, linked, opens] : rows) {
            init();
            QList<QByteArray> paths;
            for (const QByteArray& id : ids)
                paths << emulator->AddDevice(id, paths.isEmpty() ? firstFails : Failure::None);
            QCOMPARE(link->ConnectDevice(), result);
            // Present but not opened: the cause names the controller's node.
            const bool unopened = result == R::NotFound && firstFails != ok;
            QCOMPARE(link->UnopenedCause(), unopened ? OpenFailureCause(paths[0]) : QString());
            if (unopened) { // the next discovery that meets no controller has no cause to tell
                link->SetDevicePath("emulated/absent");
                QCOMPARE(link->ConnectDevice(), R::NotFound);
                QCOMPARE(link->UnopenedCause(), QString());
                link->SetDevicePath({});
            }
            QCOMPARE(int(emulator->openedPaths.size()), opens);
            QCOMPARE(emulator->openHandles, linked < 0 ? 0 : 2);
            const QByteArray chosen = emulator->AddDevice(kNormal);
            if (linked >= 0) {
                QCOMPARE(emulator->openedPaths.back(), paths[linked]);
                QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
                QCOMPARE(int(emulator->openedPaths.size()), opens);
                link->Close();
            }
            link->SetDevicePath(chosen);
            QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
            QCOMPARE(emulator->openedPaths.back(), chosen);
        }
        QCOMPARE(FormatHardwareId(0x04D8, ControllerProductId, 0x000B), kNormal); // as hidapi's IDs are written
    }

    // An input report arrives whole in ReceiveBuffer; a short one leaves the rest of the one before. (Output reports
    // are checked whole against the golden write by the command line's tests.) Silent follows a report whose answer
    // does not come in time, never one that was answered or closed. A close drops a hand-over still on its way. A
    // write the system refuses ends the link as an unplug does, at once. (The window's tests refuse one on the link's
    // own thread.)
    void reportsSilenceAndLoss()
    {
        emulator->AddDevice(kNormal);
        emulator->SilenceAfter(0); // only what the test injects arrives
        QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        link->SetAnswerTimeout(50);
        QSignalSpy silent(link.get(), &TDeviceLink::Silent);
        link->SendReport(TReport {});
        QVERIFY(link->AwaitingAnswer());
        emulator->InjectReport(Pattern(kReportSize, 1));
        QTRY_COMPARE(seen.size(), 1);
        QVERIFY(!awaitingInHandler);
        emulator->InjectReport(Pattern(10, 100));
        QTRY_COMPARE(seen.size(), 2);
        QCOMPARE(seen[0].toHex(), Pattern(kReportSize, 1).toHex());
        QCOMPARE(seen[1].toHex(), (Pattern(10, 100) + Pattern(kReportSize, 1).mid(10)).toHex());
        QTest::qWait(100);
        QCOMPARE(silent.size(), 0);
        link->SendReport(TReport {});
        QTRY_COMPARE(silent.size(), 1);
        link->SendReport(TReport {});
        emulator->InjectReport(Pattern(kReportSize, 2));
        while (emulator->PendingInputs() > 0) // without the event loop, so that the hand-over stays queued
            QThread::yieldCurrentThread();
        link->Close(); // ends the wait, and the hand-over never reaches the handler, nor that of the next link
        QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        QTest::qWait(100);
        QCOMPARE(silent.size(), 1);
        QCOMPARE(seen.size(), 2);
        QSignalSpy lost(link.get(), &TDeviceLink::Lost);
        emulator->HoldWrite(1, 0, true);
        link->SendReport(TReport {});
        QTRY_COMPARE(lost.size(), 1);
        QVERIFY(!link->Connected());
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_DeviceLink.moc"
