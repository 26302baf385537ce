// `parlowen-cli batch` as a whole process against emulated controllers, for the test that kills it in the middle of
// a unit: the controllers of serial numbers SERIALS are plugged in one at a time as the batch asks for one and
// unplugged as it says so, following its own messages. The one of serial SILENT stops answering after report
// AFTER of its unit, so that the batch waits there, inside a known step, until it is killed. At each unplug the
// controller's serial number and the count of reports it received go to standard output: "1001: 132".
//
// Usage: batch_child SERIALS SILENT:AFTER BATCH-ARGUMENTS...   (SERIALS as 1001,1002; SILENT:AFTER as 1002:61 or -)
#include "EmulatedController.h"
#include "cli/CommandLine.h"

#include <QCoreApplication>
#include <QIODevice>
#include <cstdio>
#include <deque>

namespace {

// Standard error as the batch writes it, passed on line by line; each line is also what the operator reads.
class Operator : public QIODevice
{
public:
    EmulatedController port;
    std::deque<qint32> serials;
    qint32 silentSerial = 0;
    int silentAfter = -1;

    Operator() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        std::fwrite(data, 1, std::size_t(size), stderr);
        std::fflush(stderr);
        pending.append(data, int(size));
        for (int end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1))
            Follow(QString::fromUtf8(pending.left(end)));
        return size;
    }

private:
    void Follow(const QString& text)
    {
        if (text.startsWith(QLatin1String("Plug in")) && present.isEmpty() && !serials.empty()) {
            ControllerModel model;
            model.identity.serialNumber = serials.front();
            if (serials.front() == silentSerial)
                model.SilenceAfter(silentAfter);
            serial = serials.front();
            serials.pop_front();
            present = port.PlugIn(model, "HID\\VID_04D8&PID_F2C4&REV_000B");
        } else if (text.endsWith(QLatin1String("unplug it")) && !present.isEmpty()) {
            std::printf("%d: %d\n", serial, int(port.OutputLog().size()));
            std::fflush(stdout);
            port.Unplug(std::exchange(present, {}));
        }
    }

    QByteArray pending;
    QByteArray present;
    qint32 serial = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: batch_child SERIALS SILENT:AFTER BATCH-ARGUMENTS...\n");
        return 2;
    }
    Operator site;
    for (const QString& serial : arguments[1].split(QLatin1Char(',')))
        site.serials.push_back(serial.toInt());
    if (arguments[2] != QLatin1String("-")) {
        site.silentSerial = arguments[2].section(QLatin1Char(':'), 0, 0).toInt();
        site.silentAfter = arguments[2].section(QLatin1Char(':'), 1, 1).toInt();
    }
    QTextStream out(stdout);
    QTextStream err(&site);
    const int status = RunCommandLine(QStringList { "batch" } + arguments.mid(3), site.port, out, err, false);
    out.flush();
    err.flush();
    return status;
}
