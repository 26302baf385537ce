// Discovery and connection of the device link over the emulated controller's list of present interfaces.
#include "EmulatedController.h"
#include "device/DeviceLink.h"

#include <QtTest>

using Failure = EmulatedController::OpenFailure;

Q_DECLARE_METATYPE(ConnectResult)
Q_DECLARE_METATYPE(QList<Failure>)

namespace {

const QByteArray kNormal = "HID\\VID_04D8&PID_F2C4&REV_000B";
const QByteArray kProgramMode = "HID\\VID_04D8&PID_F2C4&REV_0001";
const QByteArray kOtherRevision = "HID\\VID_04D8&PID_F2C4&REV_0002";

} // namespace

class TestDeviceLink : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        emulator = std::make_unique<EmulatedController>();
        link = std::make_unique<TDeviceLink>(*emulator, receiveBuffer.data(), [this] { ++calls; });
        calls = 0;
    }
    void cleanup()
    {
        link.reset();
        emulator.reset();
    }

    void identifiers()
    {
        QCOMPARE(DevicePrefix(), QByteArray("Vid_04d8&Pid_f2c4"));
        QCOMPARE(NormalModeIdentifier(), QByteArray("Vid_04d8&Pid_f2c4&rev_000B"));
        QCOMPARE(ProgramModeIdentifier(), QByteArray("Vid_04d8&Pid_f2c4&rev_0001"));
        QCOMPARE(AnyRevisionIdentifier(), QByteArray("Vid_04d8&Pid_f2c4"));
    }

    void discovery_data()
    {
        QTest::addColumn<QList<QByteArray>>("hardwareIds");
        QTest::addColumn<QList<Failure>>("failures");
        QTest::addColumn<ConnectResult>("result");
        QTest::addColumn<int>("linkedDevice"); // index of the device left open, -1 for none
        QTest::addColumn<int>("openAttempts");

        const Failure ok = Failure::None;
        using Ids = QList<QByteArray>;
        using Fails = QList<Failure>;
        QTest::newRow("no device") << Ids {} << Fails {} << ConnectResult::NotFound << -1 << 0;
        QTest::newRow("foreign devices only") << Ids { "HID\\VID_046D&PID_C52B&REV_1201",
            "HID\\VID_04D8&PID_000A&REV_000B", "HID\\VID_04D9&PID_F2C4&REV_000B" }
                                              << Fails { ok, ok, ok } << ConnectResult::NotFound << -1 << 0;
        QTest::newRow("normal controller") << Ids { kNormal } << Fails { ok } << ConnectResult::Ready << 0 << 2;
        QTest::newRow("program mode alone")
            << Ids { kProgramMode } << Fails { ok } << ConnectResult::ProgramMode << -1 << 2;
        QTest::newRow("program mode before normal")
            << Ids { kProgramMode, kNormal } << Fails { ok, ok } << ConnectResult::Ready << 1 << 2;
        QTest::newRow("two normal controllers")
            << Ids { kNormal, kNormal } << Fails { ok, ok } << ConnectResult::Ready << 0 << 2;
        QTest::newRow("other revision") << Ids { kOtherRevision } << Fails { ok } << ConnectResult::Ready << 0 << 2;
        QTest::newRow("normal found before another revision")
            << Ids { kOtherRevision, kNormal } << Fails { ok, ok } << ConnectResult::Ready << 1 << 2;
        QTest::newRow("lower case, found as normal")
            << Ids { kOtherRevision, kNormal.toLower() } << Fails { ok, ok } << ConnectResult::Ready << 1 << 2;
        QTest::newRow("inside a longer string") << Ids { kOtherRevision, "USB\\" + kNormal + "&Col01" }
                                                << Fails { ok, ok } << ConnectResult::Ready << 1 << 2;
        QTest::newRow("read open fails") << Ids { kNormal } << Fails { Failure::Read } << ConnectResult::NotFound << -1
                                         << 4;
        QTest::newRow("write open fails")
            << Ids { kNormal } << Fails { Failure::Write } << ConnectResult::NotFound << -1 << 4;
        QTest::newRow("failed first controller hides the second")
            << Ids { kNormal, kNormal } << Fails { Failure::Read, ok } << ConnectResult::NotFound << -1 << 4;
        QTest::newRow("failed controller hides another revision behind it")
            << Ids { kNormal, kOtherRevision } << Fails { Failure::Read, ok } << ConnectResult::NotFound << -1 << 4;
        QTest::newRow("another revision before a failed controller")
            << Ids { kOtherRevision, kNormal } << Fails { ok, Failure::Write } << ConnectResult::Ready << 0 << 4;
        QTest::newRow("failed controller, program mode behind")
            << Ids { kNormal, kProgramMode } << Fails { Failure::Write, ok } << ConnectResult::ProgramMode << -1 << 4;
        QTest::newRow("failed program-mode device alone")
            << Ids { kProgramMode } << Fails { Failure::Read } << ConnectResult::NotFound << -1 << 4;
    }
    void discovery()
    {
        QFETCH(QList<QByteArray>, hardwareIds);
        QFETCH(QList<Failure>, failures);
        QFETCH(ConnectResult, result);
        QFETCH(int, linkedDevice);
        QFETCH(int, openAttempts);
        QList<QByteArray> paths;
        for (int i = 0; i < hardwareIds.size(); ++i)
            paths << emulator->AddDevice(hardwareIds.at(i), failures.at(i));

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
        if (linkedDevice < 0) {
            QCOMPARE(int(link->Connected()), 0);
            QCOMPARE(emulator->OpenHandleCount(), 0);
            QVERIFY(emulator->OutputLog().empty());
        } else {
            QCOMPARE(int(link->Connected()), 1);
            QCOMPARE(emulator->OpenHandleCount(), 2);
            QCOMPARE(opens.back().path, paths.at(linkedDevice));
            QCOMPARE(int(emulator->OutputLog().size()), 1);
            QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 10000); // the reader runs on the linked device
        }
    }

    void programModeIsRefusedEveryTime()
    {
        emulator->AddDevice(kProgramMode);
        QCOMPARE(link->ConnectDevice(), ConnectResult::ProgramMode);
        const int enumerations = emulator->EnumerateCount();
        QCOMPARE(link->ConnectDevice(), ConnectResult::ProgramMode);
        QVERIFY(emulator->EnumerateCount() > enumerations);
        QCOMPARE(int(emulator->OpenLog().size()), 4);
        QCOMPARE(int(link->Connected()), 0);
        QCOMPARE(emulator->OpenHandleCount(), 0);
    }

    void noDiscoveryWhileConnected()
    {
        emulator->AddDevice(kNormal);
        QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        const int enumerations = emulator->EnumerateCount();
        emulator->AddDevice(kProgramMode);
        QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        link->OpenHidDevice(ProgramModeIdentifier());
        QCOMPARE(emulator->EnumerateCount(), enumerations);
        QCOMPARE(int(emulator->OpenLog().size()), 2);
    }

    void closeReleasesEverything()
    {
        emulator->AddDevice(kNormal);
        QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        link->Close();
        QCOMPARE(int(link->Connected()), 0);
        QCOMPARE(emulator->OpenHandleCount(), 0);
        link->SendReport(TReport {});
        QVERIFY(emulator->OutputLog().empty());
        QCOMPARE(link->ConnectDevice(), ConnectResult::Ready);
        QCOMPARE(emulator->OpenHandleCount(), 2);
        link.reset(); // the destructor closes too
        QCOMPARE(emulator->OpenHandleCount(), 0);
    }

private:
    std::unique_ptr<EmulatedController> emulator;
    std::unique_ptr<TDeviceLink> link;
    TReport receiveBuffer {};
    int calls = 0;
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_DeviceLink.moc"
