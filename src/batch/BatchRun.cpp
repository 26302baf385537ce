// One unit is four protocol operations on one link: the identity alone, a read into the backup, the write, and a
// read back. Between units the link is closed and the run only lists the present controllers, so a controller is
// never opened unless it is the only one and has not been told and left alone already.
#include "batch/BatchRun.h"

#include "files/SettingsFile.h"
#include "protocol/Transfer.h"

#include <QDateTime>

namespace {

// Reports of each operation, as the command line counts them: identify alone; identify and 42 read requests;
// identify, write start, 42 halves and write end.
constexpr int kIdentifyReports = 1;
constexpr int kReadReports = 43;
constexpr int kWriteReports = 45;

} // namespace

int TBatchRun::ReportsPerUnit()
{
    return kIdentifyReports + kReadReports + kWriteReports + kReadReports;
}

TBatchRun::TBatchRun(HidPort& port, LinkThreading threading, QObject* parent)
    : QObject(parent)
    , link(std::make_unique<TDeviceLink>(
          port, protocol.ReceiveBuffer.data(), [this] { InputReport(); }, threading))
{
    pollTimer.setInterval(300);
    // A coarse timer may fire up to 5% late, which each unit would wait out.
    pollTimer.setTimerType(Qt::PreciseTimer);
    connect(&pollTimer, &QTimer::timeout, this, &TBatchRun::Poll);
    connect(link.get(), &TDeviceLink::Lost, this, [this] { UnitFailed(QT_TR_NOOP("the controller was unplugged")); });
    connect(
        link.get(), &TDeviceLink::Silent, this, [this] { UnitFailed(QT_TR_NOOP("the controller stopped answering")); });
}

TBatchRun::~TBatchRun() = default;

bool TBatchRun::Prepare(const BatchPlan& batchPlan, QString* error)
{
    if (Running()) {
        *error = tr("A batch is running already.");
        return false;
    }
    if (batchPlan.table.HasErrors()) {
        *error = tr("The units table has errors; nothing is written while any remains.");
        return false;
    }
    if (!QDir().mkpath(batchPlan.backupsFolder)) {
        *error = tr("%1: the backups folder cannot be made").arg(QDir::toNativeSeparators(batchPlan.backupsFolder));
        return false;
    }
    if (!record.Open(batchPlan.recordPath, error))
        return false;
    plan = batchPlan;
    backups = QDir(plan.backupsFolder);
    order = plan.rows;
    if (order.empty()) {
        for (int index = 0; index < int(plan.table.rows.size()); ++index)
            order.push_back(index);
    }
    states.assign(plan.table.rows.size(), RowState::Pending);
    doneSerials.clear();
    differed = false;
    stops = 0;
    for (const int index : order) {
        const UnitRow& row = plan.table.rows[std::size_t(index)];
        const QString serial = record.VerifiedSerial(row.line, TBatchRecord::BlockHash(row.block));
        if (serial.isNull())
            continue;
        // Resuming: the row and the controller it went to are done.
        states[std::size_t(index)] = RowState::Verified;
        doneSerials.insert(serial.toInt());
    }
    return true;
}

void TBatchRun::Start()
{
    phase = Phase::Waiting;
    waitClock.start();
    lastInstruction.clear();
    if (AllDone()) {
        QMetaObject::invokeMethod(
            this, [this] { Finish(BatchOutcome::Verified); }, Qt::QueuedConnection);
        return;
    }
    Instruct(PlugInText());
    pollTimer.start();
    QMetaObject::invokeMethod(this, &TBatchRun::Poll, Qt::QueuedConnection);
}

void TBatchRun::Stop()
{
    ++stops;
    switch (phase) {
    case Phase::Idle:
        return;
    case Phase::Waiting:
    case Phase::AwaitingUnplug:
    case Phase::Connecting:
    case Phase::Identifying: // nothing has been read or written yet
        Finish(BatchOutcome::Stopped);
        return;
    default:
        if (stops > 1)
            UnitFailed(QT_TR_NOOP("abandoned by the operator"));
        else
            emit message(tr("Stopping once this step has ended (stop again to abandon the unit)."));
    }
}

void TBatchRun::Poll()
{
    if (surveying || (phase != Phase::Waiting && phase != Phase::AwaitingUnplug))
        return;
    if (phase == Phase::Waiting && waitLimitMs > 0 && waitClock.elapsed() >= waitLimitMs) {
        emit message(tr("No controller came within the wait."));
        Finish(BatchOutcome::NoController);
        return;
    }
    surveying = true;
    link->Survey([this](const std::vector<HidInterfaceInfo>& controllers) {
        surveying = false;
        Surveyed(controllers);
    });
}

void TBatchRun::Surveyed(const std::vector<HidInterfaceInfo>& controllers)
{
    QSet<QByteArray> present;
    for (const HidInterfaceInfo& info : controllers)
        present.insert(info.path);
    if (phase == Phase::AwaitingUnplug) {
        if (present.contains(unitPath))
            return;
        unitPath.clear();
        phase = Phase::Waiting;
        waitClock.start();
    }
    if (phase != Phase::Waiting)
        return;
    if (controllers.size() > 1) {
        Instruct(tr("%1 controllers are plugged in: unplug all but one").arg(controllers.size()));
        return;
    }
    if (controllers.empty()) {
        Instruct(PlugInText());
        return;
    }
    const HidInterfaceInfo& info = controllers.front();
    unitPath = info.path;
    const QString where = QString::fromLocal8Bit(info.path);
    const QString programMode = tr("The controller at %1 is in program mode: left untouched; unplug it");
    if (info.hardwareId.toLower().contains(ProgramModeIdentifier().toLower())) {
        LeaveUntouched(programMode.arg(where), {});
        return;
    }
    phase = Phase::Connecting;
    pollTimer.stop();
    link->SetDevicePath(info.path);
    link->ConnectDevice([this, where, programMode](ConnectResult result, const QString& cause) {
        if (phase != Phase::Connecting)
            return;
        if (result == ConnectResult::Ready) {
            BeginStep(Phase::Identifying, tr("Identifying the controller at %1").arg(where));
            protocol.StartIdentify();
        } else if (result == ConnectResult::ProgramMode) {
            LeaveUntouched(programMode.arg(where), {});
        } else {
            LeaveUntouched(cause.isEmpty()
                    ? tr("The controller at %1 cannot be opened: left untouched; unplug it").arg(where)
                    : tr("The controller at %1 cannot be opened (%2): left untouched; unplug it").arg(where, cause),
                {});
        }
    });
}

void TBatchRun::BeginStep(Phase step, const QString& text)
{
    phase = step;
    refusal.clear();
    if (step == Phase::Identifying) {
        reportsDone = 0;
        emit progress(0, ReportsPerUnit());
    }
    Instruct(text);
}

void TBatchRun::SendReport(const TReport& report)
{
    link->SendReport(report);
}

void TBatchRun::InputReport()
{
    protocol.HandleInputReport();
    if (phase < Phase::Identifying || phase > Phase::Verifying)
        return;
    emit progress(++reportsDone, ReportsPerUnit());
    if (!refusal.isEmpty()) {
        if (phase == Phase::Identifying)
            LeaveUntouched(tr("The controller at %1 refused (%2): left untouched; unplug it")
                               .arg(QString::fromLocal8Bit(unitPath), refusal),
                {});
        else
            UnitFailed(nullptr, refusal);
    } else if (!protocol.OperationInProgress()) {
        StepEnded();
    }
}

void TBatchRun::StepEnded()
{
    link->ParkReader();
    if (stops > 0 && phase != Phase::Verifying) {
        // The step has ended; the unit is not taken further. Only a write leaves something to record.
        if (phase == Phase::Writing && !Record(QStringLiteral("not completed: stopped before the read-back")))
            return Finish(BatchOutcome::Failed);
        return Finish(BatchOutcome::Stopped);
    }
    switch (phase) {
    case Phase::Identifying:
        return Identified();
    case Phase::BackingUp: {
        QString error;
        const QString name = BackupName();
        if (!SaveSettingsFile(backups.filePath(name), readBlock, &error)) {
            UnitFailed(QT_TR_NOOP("the backup could not be saved: "), error);
            return Finish(BatchOutcome::Failed);
        }
        unitBackup = name;
        emit message(
            tr("Controller %1 backed up in %2").arg(serial).arg(QDir::toNativeSeparators(backups.filePath(name))));
        block = Row().block;
        // The write goes out as from a fresh window: nothing of the backup's requests, or of another controller's
        // unit, stays in the bytes its reports do not set.
        protocol.TransmitBuffer = {};
        BeginStep(Phase::Writing, tr("Writing %1").arg(RowLabel(Row())));
        return protocol.StartWrite();
    }
    case Phase::Writing:
        readBlock = DefaultBlock();
        BeginStep(Phase::Verifying, tr("Verifying %1").arg(RowLabel(Row())));
        return protocol.StartCompare(readBlock);
    case Phase::Verifying: {
        QStringList names;
        for (const SettingDifference& difference : CompareTransferred(Row().block, readBlock))
            names << difference.setting->name;
        if (names.isEmpty())
            return EndUnit(
                QStringLiteral("verified"), RowState::Verified, tr("Row %1 verified: unplug it").arg(Row().number));
        const QString differs = names.join(QLatin1Char(' '));
        return EndUnit(QStringLiteral("differs: ") + differs, RowState::Differs,
            tr("Row %1 differs: %2: unplug it").arg(Row().number).arg(differs));
    }
    default:
        return;
    }
}

void TBatchRun::Identified()
{
    serial = protocol.SerialNumber;
    version = protocol.Version;
    current = -1;
    unitBackup.clear();
    if (doneSerials.contains(serial)) {
        LeaveUntouched(tr("Controller %1 is done already in this run: unplug it").arg(serial),
            QStringLiteral("skipped: done already in this run"));
        return;
    }
    for (const int index : order) {
        const UnitRow& row = plan.table.rows[std::size_t(index)];
        if (plan.table.hasSerialColumn ? row.serial == serial : IsPending(index)) {
            current = index;
            break;
        }
    }
    if (current < 0) {
        LeaveUntouched(tr("Controller %1 is in no row of the table: left untouched; unplug it").arg(serial),
            QStringLiteral("skipped: serial number in no row"));
        return;
    }
    if (!IsPending(current)) {
        LeaveUntouched(tr("Controller %1 is done already (row %2): unplug it").arg(serial).arg(Row().number),
            QStringLiteral("skipped: done already"));
        return;
    }
    SetState(RowState::Writing);
    readBlock = DefaultBlock();
    BeginStep(Phase::BackingUp, tr("Backing up controller %1 for %2").arg(serial).arg(RowLabel(Row())));
    protocol.StartCompare(readBlock);
}

void TBatchRun::UnitFailed(const char* why, const QString& detail)
{
    // The record keeps the English words, whatever the operator reads.
    const QString reason = (why ? QString::fromLatin1(why) : QString()) + detail;
    const QString shown = (why ? tr(why) : QString()) + detail;
    link->Close();
    switch (phase) {
    case Phase::Connecting:
    case Phase::Identifying: {
        // Nothing was read or written: the controller is taken again when it is plugged in again.
        const QString text = tr("The controller at %1: %2; unplug it and plug it in again")
                                 .arg(QString::fromLocal8Bit(unitPath), shown);
        return stops > 0 ? Finish(BatchOutcome::Stopped) : AwaitUnplug(text);
    }
    case Phase::BackingUp:
    case Phase::Writing:
    case Phase::Verifying:
        break;
    default:
        return;
    }
    const char* step = phase == Phase::BackingUp ? QT_TR_NOOP("backup")
        : phase == Phase::Writing                ? QT_TR_NOOP("write")
                                                 : QT_TR_NOOP("read-back");
    const QString result = QStringLiteral("not completed: %1 during the %2 (report %3 of %4)")
                               .arg(reason, QLatin1String(step))
                               .arg(reportsDone)
                               .arg(ReportsPerUnit());
    const int number = Row().number;
    if (!Record(result))
        return Finish(BatchOutcome::Failed);
    SetState(RowState::NotCompleted);
    current = -1;
    emit message(tr("Row %1 not completed: %2 during the %3 (report %4 of %5)")
                     .arg(number)
                     .arg(shown, tr(step))
                     .arg(reportsDone)
                     .arg(ReportsPerUnit()));
    if (stops > 0)
        return Finish(BatchOutcome::Stopped);
    AwaitUnplug(tr("Row %1 not completed: unplug the controller and plug it in again to write it again").arg(number));
}

void TBatchRun::LeaveUntouched(const QString& text, const QString& skipped)
{
    link->Close();
    if (!skipped.isEmpty() && !Record(skipped))
        return Finish(BatchOutcome::Failed);
    AwaitUnplug(text);
}

void TBatchRun::EndUnit(const QString& result, RowState state, const QString& shown)
{
    link->Close();
    if (!Record(result))
        return Finish(BatchOutcome::Failed);
    SetState(state);
    doneSerials.insert(serial);
    differed = differed || state == RowState::Differs;
    current = -1;
    // The last unit is unplugged too, whether or not anything follows.
    Instruct(shown);
    if (AllDone())
        return Finish(differed ? BatchOutcome::Differed : BatchOutcome::Verified);
    if (stops > 0)
        return Finish(BatchOutcome::Stopped);
    AwaitUnplug(shown);
}

void TBatchRun::AwaitUnplug(const QString& text)
{
    link->Close();
    phase = Phase::AwaitingUnplug;
    pollTimer.start();
    Instruct(text);
}

void TBatchRun::Finish(BatchOutcome outcome)
{
    pollTimer.stop();
    link->Close();
    if (current >= 0 && states[std::size_t(current)] == RowState::Writing)
        SetState(RowState::Pending);
    current = -1;
    phase = Phase::Idle;
    emit finished(outcome);
}

bool TBatchRun::Record(const QString& result)
{
    RecordLine line;
    line.time = TBatchRecord::Time(QDateTime::currentDateTimeUtc());
    line.serial = QString::number(serial);
    line.version = version;
    line.result = result;
    line.templateName = plan.templateName;
    line.backup = unitBackup;
    if (current >= 0) {
        line.line = Row().line;
        line.sha256 = TBatchRecord::BlockHash(Row().block);
        line.values = TBatchRecord::Values(Row());
    }
    QString error;
    if (record.Append(line, &error))
        return true;
    emit message(tr("The record cannot be written: %1").arg(error));
    return false;
}

void TBatchRun::Instruct(const QString& text)
{
    if (text == lastInstruction)
        return;
    lastInstruction = text;
    emit instruction(text);
}

QString TBatchRun::BackupName() const
{
    const QString stem = QStringLiteral("%1-%2").arg(serial).arg(
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
    // Two backups of one controller within a second keep both.
    QString name = stem + QStringLiteral(".dat");
    for (int n = 2; backups.exists(name); ++n)
        name = QStringLiteral("%1-%2.dat").arg(stem).arg(n);
    return name;
}

bool TBatchRun::IsPending(int index) const
{
    const RowState state = states[std::size_t(index)];
    return state == RowState::Pending || state == RowState::NotCompleted;
}

bool TBatchRun::AllDone() const
{
    return std::none_of(order.begin(), order.end(), [this](int index) { return IsPending(index); });
}

void TBatchRun::SetState(RowState state)
{
    states[std::size_t(current)] = state;
    emit rowChanged(current);
}

QString TBatchRun::PlugInText() const
{
    const auto pending = std::count_if(order.begin(), order.end(), [this](int index) { return IsPending(index); });
    const auto next = std::find_if(order.begin(), order.end(), [this](int index) { return IsPending(index); });
    if (next == order.end())
        return QString();
    const QString label = RowLabel(plan.table.rows[std::size_t(*next)]);
    if (!plan.table.hasSerialColumn || pending == 1)
        return tr("Plug in the controller for %1").arg(label);
    return tr("Plug in the controller for %1 or for another of the %2 pending rows").arg(label).arg(pending);
}
