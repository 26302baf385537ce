// The reader thread against the emulated controller: what lands in ReceiveBuffer, how the hand-over waits for the
// handler, and that stopping never hangs and never lets a stale report through.
#include "EmulatedController.h"
#include "device/DeviceLink.h"
#include "device/Port1CommsUnit.h"

#include <QtTest>

namespace {

const QByteArray kNormalController = "HID\\VID_04D8&PID_F2C4&REV_000B";

QByteArray Pattern(int length, uint8_t seed)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(seed + 7 * i);
    return bytes;
}

QByteArray Bytes(const uint8_t* data, int length)
{
    return QByteArray(reinterpret_cast<const char*>(data), length);
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

class TestPort1Comms : public QObject
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
            seenInHandler.push_back(Bytes(receiveBuffer.data(), kReportSize));
            if (handlerAction)
                handlerAction();
        });
    }
    void cleanup()
    {
        link.reset();
        emulator.reset();
    }

    void wholeReportLandsInReceiveBuffer()
    {
        Connect();
        QByteArray report = Pattern(kReportSize, 3);
        report[0] = 0x00;
        report[1] = 0x53;
        report[2] = 0x01;
        emulator->InjectReport(report);
        QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 10000);
        QCOMPARE(seenInHandler.at(0).toHex(), report.toHex());
        QCOMPARE(Bytes(receiveBuffer.data(), kReportSize).toHex(), report.toHex());
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

    void nestedEventLoopHoldsTheReader()
    {
        Connect();
        bool reentered = false;
        bool inside = false;
        int pendingWhileNested = -1;
        handlerAction = [&] {
            if (inside)
                reentered = true;
            if (calls != 1)
                return;
            inside = true;
            // A modal box keeps the GUI thread in a nested loop like this one while the handler has not returned.
            QEventLoop loop;
            emulator->InjectReport(Pattern(kReportSize, 50));
            QTimer::singleShot(300, &loop, [&] {
                pendingWhileNested = emulator->PendingInputs();
                loop.quit();
            });
            loop.exec();
            inside = false;
        };
        emulator->InjectReport(Pattern(kReportSize, 1));
        QTRY_COMPARE_WITH_TIMEOUT(calls, 2, 10000);
        QCOMPARE(pendingWhileNested, 1);
        QVERIFY(!reentered);
        QCOMPARE(seenInHandler.at(1), Pattern(kReportSize, 50));
    }

    void unplugEndsTheReader()
    {
        const QByteArray path = emulator->AddDevice(kNormalController);
        auto readHandle = emulator->Open(path, HidAccess::Read);
        std::atomic<uint8_t> connected { 1 };
        int handled = 0;
        Port1Comms reader(*readHandle, receiveBuffer.data(), connected, this, [&] { ++handled; });
        reader.start(QThread::IdlePriority);
        QVERIFY(SpinUntil([&] { return emulator->WaitingReads() == 1; }));
        emulator->UnplugAfter(0);
        QVERIFY(reader.wait(10000));
        QCOMPARE(int(connected), 0);
        QCoreApplication::processEvents();
        QCOMPARE(handled, 0);
        QCOMPARE(receiveBuffer[0], uint8_t(0xEE));
    }

    void unpluggedLinkRediscovers()
    {
        Connect();
        emulator->UnplugAfter(0);
        QTRY_COMPARE_WITH_TIMEOUT(int(link->Connected()), 0, 10000);
        QCOMPARE(calls, 0);
        // The reader leaves the handles to the GUI side.
        QCOMPARE(emulator->OpenHandleCount(), 2);
        const int enumerations = emulator->EnumerateCount();
        QCOMPARE(link->ConnectDevice(), ConnectResult::NotFound);
        QVERIFY(emulator->EnumerateCount() > enumerations);
        QCOMPARE(emulator->OpenHandleCount(), 0);

        const QByteArray replugged = emulator->AddDevice(kNormalController);
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
        if (reopen)
            QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(calls, 0);
        if (reopen) {
            emulator->InjectReport(Pattern(kReportSize, 2));
            QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 10000);
            QCOMPARE(seenInHandler.at(0), Pattern(kReportSize, 2));
        }
    }

    void closeWhileReading()
    {
        Connect();
        QVERIFY(SpinUntil([&] { return emulator->WaitingReads() == 1; }));
        link->Close();
        QCOMPARE(emulator->WaitingReads(), 0);
        QCOMPARE(emulator->OpenHandleCount(), 0);
        emulator->InjectReport(Pattern(kReportSize, 1));
        QCoreApplication::processEvents();
        QCOMPARE(emulator->PendingInputs(), 1);
        QCOMPARE(calls, 0);
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

    void reportsAreSentWhole()
    {
        Connect();
        TReport report {};
        for (int i = 0; i < kReportSize; ++i)
            report[i] = uint8_t(255 - i);
        link->SendReport(report);
        QCOMPARE(int(emulator->OutputLog().size()), 1);
        QCOMPARE(emulator->OutputLog().at(0), report);
    }

private:
    void Connect()
    {
        emulator->AddDevice(kNormalController);
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

QTEST_GUILESS_MAIN(TestPort1Comms)
#include "test_Port1Comms.moc"
