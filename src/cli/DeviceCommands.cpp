#include "cli/DeviceCommands.h"

#include "cli/ControllerSession.h"
#include "cli/FileCommands.h"
#include "device/DeviceLink.h"
#include "device/HidPort.h"
#include "protocol/Transfer.h"

#include <QFileInfo>

namespace {

const QByteArray kRevisionMark = "rev_";
const QByteArray kProgramModeRevision = "0001";

// Reads the controller and compares what the transfer carries of it with `config`.
int ReadAndCompare(const CommandContext& context, ControllerSession& session, const TConfigBlock& config)
{
    TConfigBlock read {};
    const int status = session.Read(read);
    if (status != ExitStatus::Success)
        return status;
    const int result = PrintDifferences(
        context, CompareTransferred(config, read), QStringLiteral("the file"), QStringLiteral("the controller"));
    if (result == ExitStatus::Success)
        context.Inform(QStringLiteral("The controller holds the file's settings."));
    return result;
}

} // namespace

int ListCommand(const CommandContext& context)
{
    const std::vector<HidInterfaceInfo> controllers = PresentControllers(context.port);
    for (const HidInterfaceInfo& info : controllers) {
        const QByteArray id = info.hardwareId.toLower();
        const qsizetype mark = id.indexOf(kRevisionMark);
        const QByteArray revision = mark < 0 ? QByteArray("?") : id.mid(mark + kRevisionMark.size(), 4).toUpper();
        const char* mode = revision == kProgramModeRevision ? "program mode" : "normal";
        context.out << QString::fromLocal8Bit(info.path) << '\t' << revision << '\t' << mode << Qt::endl;
    }
    if (!controllers.empty())
        return ExitStatus::Success;
    context.Fail(QStringLiteral("Cannot find QUILMOX"));
    return ExitStatus::NoController;
}

int InfoCommand(const CommandContext& context)
{
    ControllerSession session(context);
    int status = session.Connect();
    if (status == ExitStatus::Success)
        status = session.Identify();
    if (status == ExitStatus::Success) {
        context.out << "version: " << session.Protocol().Version << '\n'
                    << "serial number: " << session.Protocol().SerialNumber << Qt::endl;
    }
    return status;
}

int WriteCommand(const CommandContext& context, const QString& file, bool verify)
{
    TConfigBlock config {};
    if (!LoadForCommand(context, file, config))
        return ExitStatus::Usage;
    ControllerSession session(context);
    int status = session.Connect();
    if (status == ExitStatus::Success)
        status = session.Write(config);
    if (status == ExitStatus::Success && verify)
        status = ReadAndCompare(context, session, config);
    return status;
}

int ReadCommand(const CommandContext& context, const QString& output, bool force)
{
    // Judged before the controller is touched, and again before the save: the file may have appeared meanwhile.
    if (RefusedToReplace(context, output, force))
        return ExitStatus::Usage;
    ControllerSession session(context);
    TConfigBlock config {};
    int status = session.Connect();
    if (status == ExitStatus::Success)
        status = session.Read(config);
    if (status != ExitStatus::Success)
        return status;
    return SaveForCommand(context, output, config, force);
}

int VerifyCommand(const CommandContext& context, const QString& file)
{
    TConfigBlock config {};
    if (!LoadForCommand(context, file, config))
        return ExitStatus::Usage;
    ControllerSession session(context);
    const int status = session.Connect();
    return status == ExitStatus::Success ? ReadAndCompare(context, session, config) : status;
}

int SignalCommand(const CommandContext& context, bool watch)
{
    ControllerSession session(context);
    const int status = session.Connect();
    return status == ExitStatus::Success ? session.Signal(watch) : status;
}
