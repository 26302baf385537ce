// The record of a batch: a CSV file, appended to and never rewritten, one line per unit attempt, each line written
// whole and put on the disk before the batch takes its next step, so that a crash or a flat battery leaves every
// finished line. It is also what a batch resumes from: a row recorded verified with the same block is not written
// again.
#pragma once

#include "batch/UnitsTable.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>

struct RecordLine
{
    QString time; // UTC, ISO 8601
    int line = 0; // the row's line in the units table
    QString serial;
    QString version;
    QString result; // "verified", "differs: NAMES", "not completed: REASON", "skipped: REASON"
    QString templateName;
    QString sha256; // of the block written, in hexadecimal
    QString values; // the row's own values
    QString backup; // the backup file's name
};

class TBatchRecord
{
public:
    // The record's header line, without its line end.
    static QString Header();
    // The row's own values as one field: `name=VALUE; ...` with values as `show` prints them, the password `***`.
    static QString Values(const UnitRow& row);
    // SHA-256 of the block's bytes, in lower-case hexadecimal.
    static QString BlockHash(const TConfigBlock& block);
    // The time as the record and the backups' names spell it: 2026-12-08T07:30:00Z.
    static QString Time(const QDateTime& utc);

    // Opens for appending. A new or empty file gets the header; an existing one must start with it, or it is
    // refused. Reads which rows are verified in it already. False with the reason in `error`.
    bool Open(const QString& path, QString* error);
    // The serial number of the controller that the row with this line and block went to, when the record has it
    // verified; a null string otherwise.
    QString VerifiedSerial(int line, const QString& sha256) const { return verified.value(Key(line, sha256)); }
    // Writes the line whole and puts it on the disk; false with the reason.
    bool Append(const RecordLine& entry, QString* error);
    QString Path() const { return file.fileName(); }

private:
    static QString Key(int line, const QString& sha256) { return QString::number(line) + QLatin1Char(' ') + sha256; }

    QFile file;
    QHash<QString, QString> verified; // the line and block's key: the serial number
};
