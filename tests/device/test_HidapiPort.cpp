// The hidapi port on this machine, which has no controller attached, and the hardware IDs it builds.
#include "device/DeviceLink.h"
#include "device/HidapiPort.h"

#include <QtTest>

class TestHidapiPort : public QObject
{
    Q_OBJECT

private slots:
    // The IDs built from a device's numbers are what discovery matches against.
    void hardwareId_data()
    {
        QTest::addColumn<int>("product");
        QTest::addColumn<int>("release");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<bool>("normal");
        QTest::addColumn<bool>("programMode");
        QTest::newRow("normal") << int(ControllerProductId) << 0x000B << QByteArray("HID\\VID_04D8&PID_F2C4&REV_000B")
                                << true << false;
        QTest::newRow("program mode") << int(ControllerProductId) << 0x0001
                                      << QByteArray("HID\\VID_04D8&PID_F2C4&REV_0001") << false << true;
        QTest::newRow("other revision") << int(ControllerProductId) << 0x0200
                                        << QByteArray("HID\\VID_04D8&PID_F2C4&REV_0200") << false << false;
        QTest::newRow("short values padded")
            << 0x2a << 0xFFFF << QByteArray("HID\\VID_04D8&PID_002A&REV_FFFF") << false << false;
    }
    void hardwareId()
    {
        QFETCH(int, product);
        QFETCH(int, release);
        QFETCH(QByteArray, expected);
        QFETCH(bool, normal);
        QFETCH(bool, programMode);
        const QByteArray id = FormatHardwareId(0x04D8, uint16_t(product), uint16_t(release));
        QCOMPARE(id, expected);
        QCOMPARE(id.toLower().contains(NormalModeIdentifier().toLower()), normal);
        QCOMPARE(id.toLower().contains(ProgramModeIdentifier().toLower()), programMode);
        QCOMPARE(id.toLower().contains(AnyRevisionIdentifier().toLower()), product == ControllerProductId);
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
