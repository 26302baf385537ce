// The window on the real USB stack, run inside the guest by usb-checks.sh against the virtual controller: a write,
// then a read into a fresh window, gives back the same block, and the signal value shows (the controller sends
// 23); an unplug in the middle of a write (the controller leaves after report 17 and comes back) ends it with the
// operator's messages, and the next write runs whole. While that write runs, a 10 ms timer on the window's thread
// measures its longest pause, which the checks print: the unplugged write must not hold the window up.
#include "WindowTest.h"
#include "device/HidapiPort.h"
#include "protocol/Transfer.h"

class TestUsbWindow : public QObject
{
    Q_OBJECT

    HidapiPort port;

private slots:
    void init() { StartStrict(); }
    void cleanup() { EndStrict(); }

    void writeReadSignal()
    {
        TMainForm written(nullptr, &port);
        Set(written, "SMSMessageMemo", QString(300, 'x'));
        Set(written, "OutputPulseCSpinEdit7", 744);
        Click(written, "WriteButton", mrOk);
        QVERIFY(Await([] { return Boxes() == QStringList { "Download Complete" }; }));
        TMainForm read(nullptr, &port);
        TSignalStrengthForm signal;
        read.SetSignalStrengthForm(&signal);
        Click(read, "ReadButton", mrOk);
        QVERIFY(Await([] { return Boxes().size() == 2; }));
        QCOMPARE(Boxes().last(), QStringLiteral("Read Complete"));
        QCOMPARE(Bytes(TransferredBlock(read.Config)), Bytes(TransferredBlock(written.Config)));
        QCOMPARE(Value(read, "OutputPulseCSpinEdit7"), QVariant(744));
        Click(read, "SignalStrengthButton");
        QVERIFY(Await([&] { return signal.SignalStrenthAdvSmoothProgressBar->text() == "23"; }));
    }

    void unplugDuringWrite()
    {
        TMainForm form(nullptr, &port);
        Heartbeat heartbeat;
        Click(form, "WriteButton", mrOk);
        QVERIFY(Await([] { return !Boxes().isEmpty(); }));
        std::printf("usb window heartbeat: longest gap %lld ms\n", static_cast<long long>(heartbeat.longest));
        std::fflush(stdout);
        QCOMPARE(Boxes(), QStringList { "QUILMOX was disconnected." });
        QCOMPARE(Log(form).last(), QStringLiteral("Write not completed."));
        QVERIFY(Await([&] { return !port.Enumerate().empty(); }, 10000)); // back on the bus
        Click(form, "WriteButton", mrOk);
        QVERIFY(Await([] { return Boxes().size() == 2; }));
        QCOMPARE(Boxes().last(), QStringLiteral("Download Complete"));
    }
};

QTEST_MAIN(TestUsbWindow)
#include "test_UsbWindow.moc"
