#include "cli/CommandLineHost.h"

CommandLineHost::CommandLineHost(const CommandContext& context, CountingPort& port)
    : context(context)
    , port(port)
{
}

void CommandLineHost::BeginOperation(int totalReports, bool transfer)
{
    total = totalReports;
    transferring = transfer;
    refusal.clear();
    port.ResetDelivered();
}

void CommandLineHost::EndProgress()
{
    if (progressShown)
        context.err << Qt::endl;
    progressShown = false;
}

void CommandLineHost::SendReport(const TReport& report)
{
    if (link)
        link->SendReport(report);
    if (transferring && context.progress && !context.quiet) {
        // One line, rewritten in place for every report.
        context.err << QStringLiteral("\rreport %1 of %2").arg(port.Delivered()).arg(total) << Qt::flush;
        progressShown = true;
    }
}

void CommandLineHost::AppendLog(const QString& line)
{
    if (!showLog)
        return;
    EndProgress();
    context.Inform(line);
}

void CommandLineHost::ShowError(const QString& text)
{
    refusal = text;
}

void CommandLineHost::ShowInformation(const QString& text)
{
    EndProgress();
    context.Inform(text);
}

void CommandLineHost::ShowSignalStrength(int value)
{
    if (signalValue)
        signalValue(value);
}
