// A batch of controllers, unit by unit, one plugged in at a time: wait for a controller to appear, identify it,
// read what it holds into a backup file, write its row's settings, read them back and compare, record the
// attempt, and wait for the unplug before taking the next. The window's Site Work and `parlowen-cli batch` both
// run it; it owns its link and protocol and talks to nothing but its signals.
#pragma once

#include "batch/BatchRecord.h"
#include "batch/UnitsTable.h"
#include "device/DeviceLink.h"
#include "protocol/DeviceProtocol.h"

#include <QDir>
#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <memory>
#include <vector>

struct BatchPlan
{
    TConfigBlock templ {};
    QString templateName; // the template file's name as the record gives it
    UnitsTable table;
    std::vector<int> rows; // indices into table.rows to run; empty: all
    QString recordPath;
    QString backupsFolder;
};

enum class RowState { Pending, Writing, Verified, Differs, NotCompleted, Skipped };

enum class BatchOutcome {
    Verified, // every row verified
    Differed, // every row done, and a unit differed from its row after the write
    Stopped, // stopped before every row was done
    NoController, // no controller came within the wait
    Failed, // the record or a backup could not be written: nothing more is done without them
};

class TBatchRun : public QObject, private ProtocolHost
{
    Q_OBJECT

public:
    TBatchRun(HidPort& port, LinkThreading threading, QObject* parent = nullptr);
    ~TBatchRun() override;

    // How often the present controllers are listed while waiting (default 300 ms).
    void SetPollInterval(int milliseconds) { pollTimer.setInterval(milliseconds); }
    void SetAnswerTimeout(int milliseconds) { link->SetAnswerTimeout(milliseconds); }
    // The longest wait for a controller to appear; 0 (the default) waits without end.
    void SetWaitLimit(int milliseconds) { waitLimitMs = milliseconds; }

    // Opens the record (refusing one of another kind) and the backups folder; rows already verified in the record
    // with the same block are done. False with the reason; nothing is touched then.
    bool Prepare(const BatchPlan& batchPlan, QString* error);
    void Start();
    // The first stop ends at once between units, and after the running step during one; a second abandons the
    // unit at once. Either way the unit's record line says so.
    void Stop();
    bool Running() const { return phase != Phase::Idle; }

    const BatchPlan& Plan() const { return plan; }
    RowState State(int index) const { return states[std::size_t(index)]; }
    // The step of the unit under way: reports handled and the unit's total.
    int ReportsDone() const { return reportsDone; }
    static int ReportsPerUnit();

signals:
    // What the operator should do or see now, in plain words: "Plug in the controller for row 4 (...)".
    void instruction(const QString& text);
    // Something told on the way: a controller left untouched, a unit's result, a record line.
    void message(const QString& line);
    void progress(int done, int total);
    void rowChanged(int index);
    void finished(BatchOutcome outcome);

private:
    enum class Phase { Idle, Waiting, Connecting, Identifying, BackingUp, Writing, Verifying, AwaitingUnplug };

    void Poll();
    void Surveyed(const std::vector<HidInterfaceInfo>& controllers);
    void BeginStep(Phase step, const QString& text);
    void InputReport();
    void StepEnded();
    void Identified();
    // `why` is an English source text, translated where it is shown; `detail` follows it as it is.
    void UnitFailed(const char* why, const QString& detail = QString());
    void LeaveUntouched(const QString& text, const QString& skipped);
    // `result` goes to the record as it is; `shown` is what the operator reads.
    void EndUnit(const QString& result, RowState state, const QString& shown);
    void AwaitUnplug(const QString& text);
    void Finish(BatchOutcome outcome);
    bool Record(const QString& result);
    void Instruct(const QString& text);
    void SetState(RowState state);
    QString BackupName() const;
    bool IsPending(int index) const;
    bool AllDone() const;
    QString PlugInText() const;
    const UnitRow& Row() const { return plan.table.rows[std::size_t(current)]; }

    void SendReport(const TReport& report) override;
    void AppendLog(const QString&) override { }
    void ShowError(const QString& text) override { refusal = text; }
    void ShowInformation(const QString&) override { }
    void PresentConfig() override { }
    void ShowSignalStrength(int) override { }
    void CompareReadComplete(const TConfigBlock&) override { }

    BatchPlan plan;
    std::vector<int> order; // the rows to run, in the table's order
    std::vector<RowState> states; // one per table row
    TBatchRecord record;
    QDir backups;
    Phase phase = Phase::Idle;
    int stops = 0;
    int current = -1; // the row of the unit under way
    QByteArray unitPath; // the controller being worked on, or told about and waited for to go
    QSet<qint32> doneSerials;
    qint32 serial = 0; // of the unit under way
    QString version;
    QString unitBackup;
    QString refusal;
    QString lastInstruction;
    bool differed = false;
    int reportsDone = 0;
    int waitLimitMs = 0;
    QElapsedTimer waitClock;
    bool surveying = false;
    TConfigBlock block {}; // what the write sends
    TConfigBlock readBlock {}; // what a read brings
    TDeviceProtocol protocol { block, *this };
    QTimer pollTimer;
    std::unique_ptr<TDeviceLink> link;
};
