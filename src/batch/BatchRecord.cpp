#include "batch/BatchRecord.h"

#include "batch/CsvReader.h"
#include "config/SettingCatalogue.h"
#include "files/PlatformFiles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

const QStringList kColumns
    = { "time", "line", "serial", "version", "result", "template", "sha256", "values", "backup" };
const int kLineColumn = 1, kSerialColumn = 2, kResultColumn = 4, kHashColumn = 6;

// RFC 4180: a field with a separator, a quote or a line break goes in quotes, its quotes doubled.
QString Field(QString text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace

QString TBatchRecord::Header()
{
    return kColumns.join(QLatin1Char(','));
}

QString TBatchRecord::Values(const UnitRow& row)
{
    QStringList values;
    for (const Setting& setting : SettingCatalogue()) {
        if (!row.values.contains(setting.name))
            continue;
        const QString shown = setting.name == QLatin1String("password")
            ? QStringLiteral("***")
            : DisplayValue(setting, row.values.value(setting.name));
        values << setting.name + QLatin1Char('=') + shown;
    }
    return values.join(QStringLiteral("; "));
}

QString TBatchRecord::BlockHash(const TConfigBlock& block)
{
    const QByteArray bytes(reinterpret_cast<const char*>(BlockBytes(block)), kConfigBlockSize);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString TBatchRecord::Time(const QDateTime& utc)
{
    return utc.toUTC().toString(Qt::ISODate);
}

bool TBatchRecord::Open(const QString& path, QString* error)
{
    const auto fail = [&](const QString& why) {
        *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + why;
        file.close();
        return false;
    };
    if (IsSpecialFile(path))
        return fail(QStringLiteral("is not a file"));
    file.setFileName(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return fail(file.errorString());
    const QByteArray content = file.readAll();
    verified.clear();
    if (content.trimmed().isEmpty()) {
        if (!file.resize(0) || !Append({}, error))
            return fail(file.errorString());
        return true;
    }
    const CsvContent csv = ReadCsv(content);
    if (csv.records.empty() || csv.records.front().fields != kColumns)
        return fail(QStringLiteral("is not a record of this tool (its first line is not \"%1\")").arg(Header()));
    for (const CsvRecord& record : csv.records) {
        // A line a crash cut short has fewer fields; it counts for nothing.
        if (!record.damaged && record.fields.size() == kColumns.size()
            && record.fields[kResultColumn] == QLatin1String("verified"))
            verified.insert(
                Key(record.fields[kLineColumn].toInt(), record.fields[kHashColumn]), record.fields[kSerialColumn]);
    }
    // A line cut short by a crash is ended, so that the next one starts on a line of its own.
    if (!content.endsWith('\n') && file.write("\r\n") != 2)
        return fail(file.errorString());
    return true;
}

bool TBatchRecord::Append(const RecordLine& entry, QString* error)
{
    QString line;
    if (entry.time.isEmpty()) {
        line = Header();
    } else {
        const QStringList fields = { entry.time, QString::number(entry.line), entry.serial, entry.version, entry.result,
            entry.templateName, entry.sha256, entry.values, entry.backup };
        QStringList quoted;
        for (const QString& field : fields)
            quoted << Field(field);
        line = quoted.join(QLatin1Char(','));
    }
    // One write of the whole line: a process killed after it returns leaves the line whole. The header starts
    // with a byte-order mark, so that a spreadsheet opens the file as UTF-8.
    const QByteArray bytes
        = (entry.time.isEmpty() ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + line.toUtf8() + "\r\n";
    if (file.write(bytes) != bytes.size() || !SyncToDisk(file)) {
        *error = QDir::toNativeSeparators(file.fileName()) + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}
