// parlowen-virtual-controller: the controller on a USB gadget, so that the tool can be tried and tested through the
// system's whole USB and HID stack without a controller. Run as root with dummy_hcd and gadgetfs loaded (see
// scripts/virtual-controller). Every output report it receives is written, as hex, to the log.
#include "ControllerModel.h"
#include "ExpectedWrite.h"
#include "VirtualController.h"
#include "files/SettingsFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

bool ParseNumberList(const QString& text, std::vector<int>& values, int base = 10)
{
    values.clear();
    for (const QString& part : text.split(',', Qt::SkipEmptyParts)) {
        bool ok = false;
        values.push_back(part.trimmed().toInt(&ok, base));
        if (!ok)
            return false;
    }
    return !values.empty();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("The QUILMOX Parlowen controller on a USB gadget.");
    parser.addHelpOption();
    const QCommandLineOption gadget("gadget", "gadgetfs mount point (default /dev/gadget).", "dir", "/dev/gadget");
    const QCommandLineOption hidg("hidg", "serve a configfs HID function's device (e.g. /dev/hidg0) instead.", "dev");
    const QCommandLineOption configfs("configfs",
        "make a configfs HID gadget on this device controller (e.g. dummy_udc.1) and serve it instead; the revision "
        "must then be binary-coded decimal.",
        "udc");
    const QCommandLineOption product("product", "USB product ID, hexadecimal (default F2C4).", "hex", "F2C4");
    const QCommandLineOption revision(
        "revision", "bcdDevice, hexadecimal: 000B normal, 0001 program mode.", "hex", "000B");
    const QCommandLineOption version("version-text", "the identity's version text.", "text", "Parlowen 1.0");
    const QCommandLineOption serial("serial", "the identity's serial number.", "n", "16909060");
    const QCommandLineOption check(
        "identity-check", "identity reply bytes 2..4 (0,1,11 is the controller).", "a,b,c", "0,1,11");
    const QCommandLineOption settings("settings", "a settings file the controller holds from the start.", "file");
    const QCommandLineOption signal("signal", "signal values, one per query, in turn (default 17).", "list", "17");
    const QCommandLineOption silent("silent-after", "answer only the first N reports.", "n");
    const QCommandLineOption unplug("unplug-after", "leave the bus after answering report N.", "n");
    const QCommandLineOption replug(
        "replug-after", "come back this many ms after leaving (default never).", "ms", "-1");
    const QCommandLineOption expected("expected-write",
        "print the reports a write of this settings file sends, as the log shows them, and exit.", "file");
    const QCommandLineOption logFile(
        "log", "where the received reports go, one hex line each (default stderr).", "file");
    parser.addOptions({ expected, gadget, hidg, configfs, product, revision, version, serial, check, settings, signal,
        silent, unplug, replug, logFile });
    parser.process(app);

    if (parser.isSet(expected)) {
        TConfigBlock config {};
        QString error;
        if (LoadSettingsFile(parser.value(expected), config, &error) != LoadOutcome::Loaded) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(parser.value(expected)), qPrintable(error));
            return 2;
        }
        const QByteArray wire = ExpectedWrite(config);
        return std::fwrite(wire.constData(), 1, wire.size(), stdout) == std::size_t(wire.size()) ? 0 : 1;
    }
    ControllerModel model;
    UsbIdentity usb;
    bool ok = true, okProduct = true, okRevision = true, okSerial = true;
    usb.productId = uint16_t(parser.value(product).toUInt(&okProduct, 16));
    usb.revision = uint16_t(parser.value(revision).toUInt(&okRevision, 16));
    model.identity.versionText = parser.value(version).toLocal8Bit();
    model.identity.serialNumber = parser.value(serial).toInt(&okSerial);
    std::vector<int> values;
    ok = okProduct && okRevision && okSerial && ParseNumberList(parser.value(check), values) && values.size() == 3;
    for (int i = 0; ok && i < 3; ++i)
        model.identity.check[i] = uint8_t(values[i]);
    ok = ok && ParseNumberList(parser.value(signal), values);
    model.signalValues.assign(values.begin(), values.end());
    if (parser.isSet(silent))
        model.SilenceAfter(parser.value(silent).toInt(&ok));
    if (ok && parser.isSet(unplug))
        model.UnplugAfter(parser.value(unplug).toInt(&ok));
    const int replugMs = parser.value(replug).toInt(&okSerial);
    if (!ok || !okSerial) {
        std::fprintf(stderr, "bad option value; see --help\n");
        return 2;
    }
    if (parser.isSet(settings)) {
        TConfigBlock config {};
        QString error;
        if (LoadSettingsFile(parser.value(settings), config, &error) != LoadOutcome::Loaded) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(parser.value(settings)), qPrintable(error));
            return 2;
        }
        model.Hold(config);
    }
    std::FILE* log = stderr;
    if (parser.isSet(logFile) && !(log = std::fopen(qPrintable(parser.value(logFile)), "w"))) {
        std::perror(qPrintable(parser.value(logFile)));
        return 2;
    }
    VirtualController controller(model, log);
    if (parser.isSet(configfs))
        return controller.ServeConfigFs(parser.value(configfs).toLocal8Bit(), usb);
    if (parser.isSet(hidg))
        return controller.ServeHidg(parser.value(hidg).toLocal8Bit());
    return controller.ServeGadgetFs(parser.value(gadget).toLocal8Bit(), usb, replugMs);
}
