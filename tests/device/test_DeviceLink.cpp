// The device link over the emulated controller: discovery among the present interfaces, and the reader thread:
// what lands in ReceiveBuffer, and that stopping never hangs and never lets a stale report through.
#include "EmulatedController.h"
#include "device/DeviceLink.h"

#include <QtTest>

using Failure = EmulatedController::OpenFailure;

Q_DECLARE_METATYPE(ConnectResult)
Q_DECLARE_METATYPE(Failure)

namespace {

const QByteArray kNormal = "HID\\VID_04D8&PID_F2C4&REV_000B";
const QByteArray kProgramMode = "HID\\VID_04D8&PID_F2C4&REV_0001";
const QByteArray kOtherRevision = "HID\\VID_04D8&PID_F2C4&REV_0002";

QByteArray Pattern(int length, uint8_t seed)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(seed + 7 * i);
    return bytes;
}

// Waits without running the GUI thread's event loop, so queued hand-overs stay queued.
template <typename Condition> bool SpinUntil(Condition condition)
{
    QDeadlineTimer deadline(10000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::yieldCurrentThread();
    }
    return true;
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
        calls = 0;
        seenInHandler.clear();
        handlerAction = nullptr;
        link = std::make_unique<TDeviceLink>(*emulator, receiveBuffer.data(), [this] {
            ++calls;
            seenInHandler.push_back(QByteArray(reinterpret_cast<const char*>(receiveBuffer.data()), kReportSize));
            if (handlerAction)
                handlerAction();
        });
    }
    void cleanup()
    {
        link.reset();
        emulator.reset();
    }

    void discovery_data()
    {
        QTest::addColumn<QList<QByteArray>>("hardwareIds");
        QTest::addColumn<Failure>("firstFails"); // how opening the first device fails
        QTest::addColumn<ConnectResult>("result");
        QTest::addColumn<int>("linkedDevice"); // index of the device left open, -1 for none
        QTest::addColumn<int>("openAttempts");

        using Ids = QList<QByteArray>;
        const Failure ok = Failure::None;
        QTest::newRow("no device") << Ids {} << ok << ConnectResult::NotFound << -1 << 0;
        QTest::newRow("foreign devices only") << Ids { "HID\\VID_046D&PID_C52B&REV_1201",
            "HID\\VID_04D8&PID_000A&REV_000B", "HID\\VID_04D9&PID_F2C4&REV_000B" }
                                              << ok << ConnectResult::NotFound << -1 << 0;
        QTest::newRow("normal controller") << Ids { kNormal } << ok << ConnectResult::Ready << 0 << 2;
        QTest::newRow("program mode alone") << Ids { kProgramMode } << ok << ConnectResult::ProgramMode << -1 << 2;
        QTest::newRow("program mode before normal")
            << Ids { kProgramMode, kNormal } << ok << ConnectResult::Ready << 1 << 2;
        QTest::newRow("two normal controllers") << Ids { kNormal, kNormal } << ok << ConnectResult::Ready << 0 << 2;
        QTest::newRow("other revision") << Ids { kOtherRevision } << ok << ConnectResult::Ready << 0 << 2;
        QTest::newRow("normal found before another revision")
            << Ids { kOtherRevision, kNormal } << ok << ConnectResult::Ready << 1 << 2;
        QTest::newRow("lower case, found as normal")
            << Ids { kOtherRevision, kNormal.toLower() } << ok << ConnectResult::Ready << 1 << 2;
        QTest::newRow("inside a longer string")
            << Ids { kOtherRevision, "USB\\" + kNormal + "&Col01" } << ok << ConnectResult::Ready << 1 << 2;
        QTest::newRow("read open fails") << Ids { kNormal } << Failure::Read << ConnectResult::NotFound << -1 << 4;
        QTest::newRow("write open fails") << Ids { kNormal } << Failure::Write << ConnectResult::NotFound << -1 << 4;
        QTest::newRow("failed first controller hides the second")
            << Ids { kNormal, kNormal } << Failure::Read << ConnectResult::NotFound << -1 << 4;
        QTest::newRow("failed controller hides another revision behind it")
            << Ids { kNormal, kOtherRevision } << Failure::Read << ConnectResult::NotFound << -1 << 4;
        QTest::newRow("failed controller, program mode behind")
            << Ids { kNormal, kProgramMode } << Failure::Write << ConnectResult::ProgramMode << -1 << 4;
        QTest::newRow("failed program-mode device alone")
            << Ids { kProgramMode } << Failure::Read << ConnectResult::NotFound << -1 << 4;
    }
    void discovery()
    {
        QFETCH(QList<QByteArray>, hardwareIds);
        QFETCH(Failure, firstFails);
        QFETCH(ConnectResult, result);
        QFETCH(int, linkedDevice);
        QFETCH(int, openAttempts);
        QList<QByteArray> paths;
        for (int i = 0; i < hardwareIds.size(); ++i)
            paths << emulator->AddDevice(hardwareIds.at(i), i == 0 ? firstFails : Failure::None);

        QCOMPARE(link->ConnectDevice(), result);
        const auto opens = emulator->OpenLog();
        QCOMPARE(int(opens.size()), openAttempts);
        for (int i = 0; i + 1 < int(opens.size()); i += 2) {
            QCOMPARE(opens[i].access, HidAccess::Write);
            QCOMPARE(opens[i + 1].access, HidAccess::Read);
            QCOMPARE(opens[i + 1].path, opens[i].path);
        }
        TReport report {};
        report[1] = 'S';
        link->SendReport(report);
        QCOMPARE(int(link->Connected()), linkedDevice < 0 ? 0 : 1);
        QCOMPARE(emulator->OpenHandleCount(), linkedDevice < 0 ? 0 : 2);
        QCOMPARE(int(emulator->OutputLog().size()), linkedDevice < 0 ? 0 : 1);
        if (linkedDevice >= 0) {
            QCOMPARE(opens.back().path, paths.at(linkedDevice));
            QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 10000); // the reader runs on the linked device
        }
    }

    void noDiscoveryWhileConnected()
    {
        Connect();
        const int enumerations = emulator->EnumerateCount();
        emulator->AddDevice(kProgramMode);
        QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        link->OpenHidDevice(ProgramModeIdentifier());
        QCOMPARE(emulator->EnumerateCount(), enumerations);
        QCOMPARE(int(emulator->OpenLog().size()), 2);
    }

    void reportsTravelWhole()
    {
        Connect();
        TReport report {};
        for (int i = 0; i < kReportSize; ++i)
            report[i] = uint8_t(255 - i);
        link->SendReport(report);
        QCOMPARE(int(emulator->OutputLog().size()), 1);
        QCOMPARE(emulator->OutputLog().at(0), report);

        const QByteArray input = Pattern(kReportSize, 3);
        emulator->InjectReport(input);
        QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 10000);
        QCOMPARE(seenInHandler.at(0).toHex(), input.toHex());
    }

    void shortReadKeepsTheRestOfThePreviousReport()
    {
        Connect();
        const QByteArray first = Pattern(kReportSize, 1);
        const QByteArray second = Pattern(10, 100);
        emulator->InjectReport(first);
        QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 10000);
        emulator->InjectReport(second);
        QTRY_COMPARE_WITH_TIMEOUT(calls, 2, 10000);
        QCOMPARE(seenInHandler.at(1).toHex(), (second + first.mid(10)).toHex());
    }

    void unpluggedLinkRediscovers()
    {
        Connect();
        QVERIFY(SpinUntil([&] { return emulator->WaitingReads() == 1; }));
        emulator->UnplugAfter(0);
        QTRY_COMPARE_WITH_TIMEOUT(int(link->Connected()), 0, 10000);
        QCOMPARE(calls, 0);
        QCOMPARE(receiveBuffer[0], uint8_t(0xEE));
        // The reader leaves the handles to the GUI side.
        QCOMPARE(emulator->OpenHandleCount(), 2);
        const int enumerations = emulator->EnumerateCount();
        QCOMPARE(link->ConnectDevice(), ConnectResult::NotFound);
        QVERIFY(emulator->EnumerateCount() > enumerations);
        QCOMPARE(emulator->OpenHandleCount(), 0);

        const QByteArray replugged = emulator->AddDevice(kNormal);
        QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        QCOMPARE(emulator->OpenLog().back().path, replugged);
        emulator->InjectReport(Pattern(kReportSize, 9));
        QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 10000);
    }

    void closeWithHandOverPending_data()
    {
        QTest::addColumn<bool>("reopen");
        QTest::newRow("closed") << false;
        QTest::newRow("closed and reopened") << true;
    }
    void closeWithHandOverPending()
    {
        QFETCH(bool, reopen);
        Connect();
        emulator->InjectReport(Pattern(kReportSize, 1));
        // The reader has taken the report; its hand-over cannot run before this thread returns to its event loop.
        QVERIFY(SpinUntil([&] { return emulator->PendingInputs() == 0; }));
        link->Close();
        QCOMPARE(int(link->Connected()), 0);
        QCOMPARE(emulator->OpenHandleCount(), 0);
        link->SendReport(TReport {});
        QVERIFY(emulator->OutputLog().empty());
        if (reopen)
            QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(calls, 0);
        if (reopen) {
            emulator->InjectReport(Pattern(kReportSize, 2));
            QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 10000);
            QCOMPARE(seenInHandler.at(0), Pattern(kReportSize, 2));
            link.reset(); // the destructor closes too
            QCOMPARE(emulator->OpenHandleCount(), 0);
        }
    }

    void closeFromInsideTheHandler()
    {
        Connect();
        handlerAction = [this] { link->Close(); };
        emulator->InjectReport(Pattern(kReportSize, 1));
        emulator->InjectReport(Pattern(kReportSize, 2));
        QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 10000);
        QCOMPARE(int(link->Connected()), 0);
        QCOMPARE(emulator->OpenHandleCount(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(calls, 1);
        QCOMPARE(emulator->PendingInputs(), 1);
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
    int calls = 0;
    QList<QByteArray> seenInHandler;
    std::function<void()> handlerAction;
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_DeviceLink.moc"
