#include "cli/BatchCommand.h"

#include "batch/BatchRun.h"
#include "cli/FileCommands.h"
#include "cli/Interrupts.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// How often a Ctrl-C is looked for while the batch runs.
constexpr int kInterruptPollMs = 100;

// "3-7", "2,4-6": the rows' indices in table order, all of them for an empty text; false for a selection that is not
// one, or names a row the table lacks.
bool SelectRows(const QString& text, int rowCount, std::vector<int>& rows)
{
    rows.clear();
    if (text.trimmed().isEmpty()) {
        for (int index = 0; index < rowCount; ++index)
            rows.push_back(index);
        return true;
    }
    static const QRegularExpression range(QStringLiteral("^\\s*(\\d+)\\s*(?:-\\s*(\\d+)\\s*)?$"));
    std::vector<bool> chosen(std::size_t(rowCount), false);
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QRegularExpressionMatch match = range.match(part);
        if (!match.hasMatch())
            return false;
        const int first = match.captured(1).toInt();
        const int last = match.captured(2).isEmpty() ? first : match.captured(2).toInt();
        if (first < 1 || last < first || last > rowCount)
            return false;
        for (int number = first; number <= last; ++number)
            chosen[std::size_t(number - 1)] = true;
    }
    for (int index = 0; index < rowCount; ++index) {
        if (chosen[std::size_t(index)])
            rows.push_back(index);
    }
    return true;
}

void Preview(const CommandContext& context, const BatchPlan& plan)
{
    for (const int index : plan.rows) {
        const UnitRow& row = plan.table.rows[std::size_t(index)];
        const QStringList differences = RowDifferences(row, plan.templ);
        context.out << RowLabel(row) << (differences.isEmpty() ? ": the template's settings" : ":") << Qt::endl;
        for (const QString& line : differences)
            context.out << "  " << line << Qt::endl;
    }
}

QString Summary(const TBatchRun& run)
{
    int verified = 0, differs = 0, pending = 0;
    for (const int index : run.Plan().rows) {
        switch (run.State(index)) {
        case RowState::Verified:
            ++verified;
            break;
        case RowState::Differs:
            ++differs;
            break;
        default:
            ++pending;
        }
    }
    return QStringLiteral("%1 verified, %2 differ, %3 pending").arg(verified).arg(differs).arg(pending);
}

} // namespace

int BatchCommand(const CommandContext& context, const BatchArguments& arguments)
{
    BatchPlan plan;
    if (!LoadForCommand(context, arguments.templateFile, plan.templ))
        return ExitStatus::Usage;
    plan.templateName = QFileInfo(arguments.templateFile).fileName();
    plan.table = LoadUnitsTable(arguments.unitsFile, plan.templ);
    int errors = 0;
    for (const TableProblem& problem : plan.table.problems) {
        context.Fail(ProblemLine(arguments.unitsFile, problem));
        errors += problem.warning ? 0 : 1;
    }
    if (errors > 0) {
        context.Fail(QStringLiteral("%1: %2 error(s); nothing was written.").arg(arguments.unitsFile).arg(errors));
        return ExitStatus::Usage;
    }
    if (!SelectRows(arguments.rows, int(plan.table.rows.size()), plan.rows)) {
        context.Fail(
            QStringLiteral("--rows takes row numbers from 1 to %1, as 3-7 or 2,4-6.").arg(plan.table.rows.size()));
        return ExitStatus::Usage;
    }
    if (arguments.dryRun) {
        Preview(context, plan);
        return ExitStatus::Success;
    }
    if (arguments.record.isEmpty()) {
        context.Fail(QStringLiteral("batch needs --record FILE."));
        return ExitStatus::Usage;
    }
    plan.recordPath = arguments.record;
    plan.backupsFolder = arguments.backups.isEmpty()
        ? QFileInfo(arguments.record).absoluteDir().filePath(QStringLiteral("backups"))
        : arguments.backups;

    TBatchRun run(context.port, LinkThreading::Caller);
    run.SetAnswerTimeout(context.timeoutMs);
    run.SetWaitLimit(arguments.waitMs);
    QString error;
    if (!run.Prepare(plan, &error)) {
        context.Fail(error);
        return ExitStatus::Usage;
    }
    QEventLoop loop;
    BatchOutcome outcome = BatchOutcome::Stopped;
    QObject::connect(&run, &TBatchRun::instruction, &loop, [&](const QString& text) { context.Inform(text); });
    QObject::connect(&run, &TBatchRun::message, &loop, [&](const QString& text) { context.Inform(text); });
    QObject::connect(&run, &TBatchRun::finished, &loop, [&](BatchOutcome ended) {
        outcome = ended;
        loop.quit();
    });
    // Ctrl-C is looked for between the batch's steps: the first stops it, the second abandons the unit.
    const TInterrupts interrupts;
    int stops = 0;
    QTimer interruptPoll;
    QObject::connect(&interruptPoll, &QTimer::timeout, &loop, [&] {
        for (; stops < interrupts.Count(); ++stops)
            run.Stop();
    });
    interruptPoll.start(kInterruptPollMs);
    run.Start();
    loop.exec();
    context.out << Summary(run) << Qt::endl;
    switch (outcome) {
    case BatchOutcome::Verified:
        return ExitStatus::Success;
    case BatchOutcome::Differed:
        return ExitStatus::Different;
    case BatchOutcome::NoController:
        return ExitStatus::NoController;
    case BatchOutcome::Stopped:
    case BatchOutcome::Failed:
        break;
    }
    return ExitStatus::DeviceFailed;
}
