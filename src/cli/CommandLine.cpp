// Two passes over the arguments: the first knows every option and only finds the command; the second knows only
// what that command takes, so an option given to the wrong command is a usage error, and its help is its own.
#include "cli/CommandLine.h"

#include "cli/BatchCommand.h"
#include "cli/CommandContext.h"
#include "cli/DeviceCommands.h"
#include "cli/FileCommands.h"

#include <QCommandLineParser>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

const QString kProgram = QStringLiteral("parlowen-cli");
// The longest answer time-out, a day: it keeps the milliseconds within an int.
constexpr double kLongestTimeoutSeconds = 86400;

struct Options
{
    QCommandLineOption help { { "h", "help" }, "Show this help (after a command: the command's help)." };
    QCommandLineOption version { "version", "Show the version." };
    QCommandLineOption quiet { "quiet", "Print nothing but results and errors." };
    QCommandLineOption device { "device", "Use the controller at PATH, as list prints it.", "PATH" };
    QCommandLineOption timeout { "timeout", "Wait at most SECONDS for each answer of the controller (default 2).",
        "SECONDS", "2" };
    QCommandLineOption verify { "verify", "Read the controller back afterwards and compare." };
    QCommandLineOption output { { "o", "output" }, "The settings file to write.", "FILE" };
    QCommandLineOption force { "force", "Replace FILE if it exists." };
    QCommandLineOption watch { "watch", "Print a line for every value the controller sends, until interrupted." };
    QCommandLineOption json { "json", "Print one JSON document whose keys are the setting names." };
    QCommandLineOption record { "record",
        "The record of the batch: a CSV file, appended to; rows verified in it "
        "already are skipped.",
        "RECORD.csv" };
    QCommandLineOption backups { "backups",
        "Where each controller's settings are saved before it is written "
        "(default: a folder backups beside the record).",
        "DIR" };
    QCommandLineOption dryRun { "dry-run",
        "Check the table and show each row's settings that differ from the "
        "template; touch no controller." };
    QCommandLineOption rows { "rows", "Only these rows of the table, as 3-7 or 2,4-6.", "ROWS" };
    QCommandLineOption wait { "wait",
        "Wait at most SECONDS for each controller to be plugged in (default: "
        "without end).",
        "SECONDS" };
};

// Seconds as an option gives them, in milliseconds: above 0 and at most a day; -1 when they are not.
int Milliseconds(const QString& text)
{
    bool isNumber = false;
    const double seconds = text.toDouble(&isNumber);
    if (!isNumber || !(seconds > 0) || seconds > kLongestTimeoutSeconds)
        return -1;
    return std::max(1, qRound(seconds * 1000));
}

using Run = std::function<int(const CommandContext&, const QStringList&, const QCommandLineParser&)>;

struct Command
{
    QString name;
    QString summary;
    QStringList positionals; // each "NAME description"
    std::vector<const QCommandLineOption*> options;
    bool device; // talks to a controller: --device and --timeout
    bool needsOutput;
    Run run;
};

std::vector<Command> Commands(const Options& o)
{
    return {
        { "list", "List the controllers present: path, revision, normal or program mode.", {}, {}, false, false,
            [](auto& c, auto&, auto&) { return ListCommand(c); } },
        { "info", "Identify the controller: its version text and serial number.", {}, {}, true, false,
            [](auto& c, auto&, auto&) { return InfoCommand(c); } },
        { "write", "Write a settings file to the controller.", { "FILE The settings file (.dat)." }, { &o.verify },
            true, false, [&o](auto& c, auto& a, auto& p) { return WriteCommand(c, a[0], p.isSet(o.verify)); } },
        { "read", "Read the controller into a settings file.", {}, { &o.output, &o.force }, true, true,
            [&o](auto& c, auto&, auto& p) { return ReadCommand(c, p.value(o.output), p.isSet(o.force)); } },
        { "verify", "Read the controller and compare it with a settings file.", { "FILE The settings file (.dat)." },
            {}, true, false, [](auto& c, auto& a, auto&) { return VerifyCommand(c, a[0]); } },
        { "signal", "Show the controller's signal value.", {}, { &o.watch }, true, false,
            [&o](auto& c, auto&, auto& p) { return SignalCommand(c, p.isSet(o.watch)); } },
        { "show", "Show every setting of a settings file.", { "FILE The settings file (.dat)." }, { &o.json }, false,
            false, [&o](auto& c, auto& a, auto& p) { return ShowCommand(c, a[0], p.isSet(o.json)); } },
        { "diff", "Show the settings that differ between two settings files.",
            { "A The first settings file.", "B The second settings file." }, {}, false, false,
            [](auto& c, auto& a, auto&) { return DiffCommand(c, a[0], a[1]); } },
        { "import", "Build a settings file from a JSON document as show --json prints it.",
            { "FILE.json The JSON document." }, { &o.output, &o.force }, false, true,
            [&o](auto& c, auto& a, auto& p) { return ImportCommand(c, a[0], p.value(o.output), p.isSet(o.force)); } },
        { "defaults", "Write a settings file holding the default settings.", {}, { &o.output, &o.force }, false, true,
            [&o](auto& c, auto&, auto& p) { return DefaultsCommand(c, p.value(o.output), p.isSet(o.force)); } },
        { "batch",
            "Write a site's controllers one after another from a template and a table of units, each read back "
            "and compared, with a record line and a backup of each.",
            { "TEMPLATE.dat The settings every unit starts from.",
                "UNITS.csv One row per controller: the settings that differ (a header of setting names, and "
                "optionally serial)." },
            { &o.record, &o.backups, &o.dryRun, &o.rows, &o.timeout, &o.wait }, false, false,
            [&o](auto& c, auto& a, auto& p) {
                const int wait = p.isSet(o.wait) ? Milliseconds(p.value(o.wait)) : 0;
                if (wait < 0) {
                    c.Fail(QStringLiteral("--wait takes seconds above 0 and up to 86400."));
                    return ExitStatus::Usage;
                }
                return BatchCommand(
                    c, { a[0], a[1], p.value(o.record), p.value(o.backups), p.value(o.rows), p.isSet(o.dryRun), wait });
            } },
    };
}

QString Usage(const QString& syntax)
{
    return QStringLiteral("Usage: ") + kProgram + QLatin1Char(' ') + syntax + QLatin1Char('\n');
}

// Qt's help text with its usage line, which names the executable's full path, replaced by ours.
QString HelpText(const QCommandLineParser& parser, const QString& syntax)
{
    const QString text = parser.helpText();
    return Usage(syntax) + text.mid(text.indexOf(QLatin1Char('\n')) + 1);
}

QString GeneralHelp(const Options& o, const std::vector<Command>& commands)
{
    QCommandLineParser parser;
    QString description = QStringLiteral("Writes, reads, checks and compares QUILMOX Parlowen controllers and "
                                         "settings files.\n\nCommands:\n");
    for (const Command& command : commands)
        description += QStringLiteral("  %1 %2\n").arg(command.name, -10).arg(command.summary);
    description += QStringLiteral(
        "\nExit status:\n"
        "  0 success\n"
        "  1 compared and found different\n"
        "  2 usage error, or a file that cannot be used\n"
        "  3 no controller, or the controller is in program mode\n"
        "  4 not a QUILMOX Parlowen, stopped answering, or unplugged; a batch stopped before every row was done\n\n"
        "See parlowen-cli COMMAND --help for the options of a command.");
    parser.setApplicationDescription(description);
    parser.addOptions({ o.help, o.version, o.quiet });
    return HelpText(parser, QStringLiteral("COMMAND [options]"));
}

// What a command's help adds after its options, for the commands whose use is not plain from them.
QString Example(const QString& command)
{
    if (command != QLatin1String("batch"))
        return QString();
    return QStringLiteral(
        "\nExample: check a site's table, then write its controllers one after another:\n"
        "  parlowen-cli batch pumps.dat units.csv --dry-run\n"
        "  parlowen-cli batch pumps.dat units.csv --record record.csv\n"
        "The record gets a line per controller; run the same command again to go on where it stopped.\n"
        "Exit status: 0 every row verified, 1 a controller differed after its write, 2 a table or file that cannot "
        "be used, 3 no controller within --wait, 4 stopped before every row was done.\n");
}

QString CommandSyntax(const Command& command)
{
    QString syntax = command.name + QStringLiteral(" [options]");
    for (const QString& positional : command.positionals)
        syntax += QLatin1Char(' ') + positional.section(QLatin1Char(' '), 0, 0);
    return command.needsOutput ? syntax + QStringLiteral(" -o FILE") : syntax;
}

void SetUp(QCommandLineParser& parser, const Options& o, const Command& command)
{
    parser.setApplicationDescription(command.summary);
    parser.addOptions({ o.help, o.quiet });
    if (command.device)
        parser.addOptions({ o.device, o.timeout });
    for (const QCommandLineOption* option : command.options)
        parser.addOption(*option);
    for (const QString& positional : command.positionals)
        parser.addPositionalArgument(
            positional.section(QLatin1Char(' '), 0, 0), positional.section(QLatin1Char(' '), 1));
}

int UsageError(QTextStream& err, const QString& text, const QString& helpCommand)
{
    err << text << Qt::endl << QStringLiteral("See %1 %2--help.").arg(kProgram, helpCommand) << Qt::endl;
    return ExitStatus::Usage;
}

} // namespace

int RunCommandLine(
    const QStringList& arguments, HidPort& port, QTextStream& out, QTextStream& err, bool progressToTerminal)
{
    const Options o;
    const std::vector<Command> commands = Commands(o);
    const QStringList argv = QStringList { kProgram } + arguments;

    QCommandLineParser finder;
    finder.addOptions({ o.help, o.version, o.quiet, o.device, o.timeout, o.verify, o.output, o.force, o.watch, o.json,
        o.record, o.backups, o.dryRun, o.rows, o.wait });
    if (!finder.parse(argv))
        return UsageError(err, finder.errorText(), QString());
    if (finder.isSet(o.version)) {
        out << kProgram << ' ' << PARLOWEN_VERSION << Qt::endl;
        return ExitStatus::Success;
    }
    if (finder.positionalArguments().isEmpty()) {
        if (!finder.isSet(o.help))
            return UsageError(err, QStringLiteral("No command given."), QString());
        out << GeneralHelp(o, commands) << Qt::flush;
        return ExitStatus::Success;
    }
    const QString name = finder.positionalArguments().constFirst();
    const auto command
        = std::find_if(commands.begin(), commands.end(), [&](const Command& c) { return c.name == name; });
    if (command == commands.end())
        return UsageError(err, QStringLiteral("Unknown command '%1'.").arg(name), QString());

    QCommandLineParser parser;
    SetUp(parser, o, *command);
    const QString helpCommand = name + QLatin1Char(' ');
    if (!parser.parse(argv))
        return UsageError(err, parser.errorText(), helpCommand);
    if (parser.isSet(o.help)) {
        out << HelpText(parser, CommandSyntax(*command)) << Example(name) << Qt::flush;
        return ExitStatus::Success;
    }
    const QStringList positionals = parser.positionalArguments().mid(1);
    if (positionals.size() != command->positionals.size())
        return UsageError(err, Usage(CommandSyntax(*command)).trimmed(), helpCommand);
    if (command->needsOutput && parser.value(o.output).isEmpty())
        return UsageError(err, QStringLiteral("%1 needs -o FILE.").arg(name), helpCommand);

    CommandContext context { out, err, port, parser.isSet(o.quiet), progressToTerminal, 0, QByteArray() };
    const bool timed = command->device
        || std::find(command->options.begin(), command->options.end(), &o.timeout) != command->options.end();
    if (timed) {
        context.timeoutMs = Milliseconds(parser.value(o.timeout));
        if (context.timeoutMs < 0)
            return UsageError(err, QStringLiteral("--timeout takes seconds above 0 and up to 86400."), helpCommand);
    }
    if (command->device)
        context.devicePath = parser.value(o.device).toLocal8Bit();
    return command->run(context, positionals, parser);
}
