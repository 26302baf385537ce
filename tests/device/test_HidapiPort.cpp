// The hidapi port on this machine, which has no controller attached, and the hardware IDs it builds.
#include "device/DeviceLink.h"
#include "device/HidapiPort.h"

#include <QtTest>

class TestHidapiPort : public QObject
{
    Q_OBJECT

private slots:
    void hardwareIdFormat_data()
    {
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::addColumn<int>("release");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("controller") << 0x04D8 << 0xF2C4 << 0x000B << QByteArray("HID\\VID_04D8&PID_F2C4&REV_000B");
        QTest::newRow("zeros") << 0 << 0 << 0 << QByteArray("HID\\VID_0000&PID_0000&REV_0000");
        QTest::newRow("short values padded") << 0x1 << 0x2a << 0x100 << QByteArray("HID\\VID_0001&PID_002A&REV_0100");
        QTest::newRow("all ones") << 0xFFFF << 0xFFFF << 0xFFFF << QByteArray("HID\\VID_FFFF&PID_FFFF&REV_FFFF");
    }
    void hardwareIdFormat()
    {
        QFETCH(int, vendor);
        QFETCH(int, product);
        QFETCH(int, release);
        QFETCH(QByteArray, expected);
        QCOMPARE(FormatHardwareId(uint16_t(vendor), uint16_t(product), uint16_t(release)), expected);
    }

    void builtIdsMatchTheIdentifiers_data()
    {
        QTest::addColumn<int>("release");
        QTest::addColumn<bool>("normal");
        QTest::addColumn<bool>("programMode");
        QTest::newRow("000B") << 0x000B << true << false;
        QTest::newRow("0001") << 0x0001 << false << true;
        QTest::newRow("0200") << 0x0200 << false << false;
    }
    void builtIdsMatchTheIdentifiers()
    {
        QFETCH(int, release);
        QFETCH(bool, normal);
        QFETCH(bool, programMode);
        const QByteArray id = FormatHardwareId(0x04D8, ControllerProductId, uint16_t(release)).toLower();
        QCOMPARE(id.contains(NormalModeIdentifier().toLower()), normal);
        QCOMPARE(id.contains(ProgramModeIdentifier().toLower()), programMode);
        QVERIFY(id.contains(AnyRevisionIdentifier().toLower()));
    }

    void noControllerOnThisMachine()
    {
        HidapiPort port;
        for (const HidInterfaceInfo& info : port.Enumerate()) {
            QVERIFY(!info.path.isEmpty());
            QVERIFY2(info.hardwareId.startsWith("HID\\VID_"), info.hardwareId.constData());
            QVERIFY(!info.hardwareId.toLower().contains(AnyRevisionIdentifier().toLower()));
        }
        QVERIFY(port.Open("/dev/nonexistent-hidraw", HidAccess::Read) == nullptr);

        TReport receiveBuffer {};
        int calls = 0;
        TDeviceLink link(port, receiveBuffer.data(), [&] { ++calls; });
        QCOMPARE(link.ConnectDevice(), ConnectResult::NotFound);
        QCOMPARE(int(link.Connected()), 0);
        link.SendReport(TReport {}); // no handle: nothing happens
        QCOMPARE(calls, 0);
    }
};

QTEST_GUILESS_MAIN(TestHidapiPort)
#include "test_HidapiPort.moc"
