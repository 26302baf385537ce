// Each cell becomes the JSON value that the setting takes and is stored through BlockFromJson, so that a cell is
// refused exactly as `import` refuses the same value in a JSON document.
#include "batch/UnitsTable.h"

#include "batch/CsvReader.h"
#include "config/SettingCatalogue.h"
#include "files/PlatformFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

const QString kSerial = QStringLiteral("serial");
const QString kDeviceName = QStringLiteral("device_name");
const QString kPassword = QStringLiteral("password");

bool IsDecimal(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    return decimal.match(text).hasMatch();
}

// The value of a non-empty cell as the JSON document holds it. A cell that is not of the setting's kind is passed
// on as the text it is, for BlockFromJson to refuse with import's words; a flag's words are told here instead,
// because a table takes more of them than JSON's true and false.
std::optional<QJsonValue> CellValue(const Setting& setting, const QString& cell, QString& refusal)
{
    const QString trimmed = cell.trimmed();
    switch (setting.kind) {
    case SettingKind::Text:
        return QJsonValue(cell);
    case SettingKind::Flag: {
        const QString word = trimmed.toLower();
        for (const auto& [on, off] :
            { std::pair { "on", "off" }, { "true", "false" }, { "yes", "no" }, { "1", "0" } }) {
            if (word == QLatin1String(on) || word == QLatin1String(off))
                return QJsonValue(word == QLatin1String(on));
        }
        refusal
            = QCoreApplication::translate("UnitsTable", "\"%1\" must be on or off, true or false, yes or no, 1 or 0")
                  .arg(setting.name);
        return std::nullopt;
    }
    case SettingKind::Integer:
        // Digits beyond 32 bits stay digits, for BlockFromJson's range to refuse.
        return IsDecimal(trimmed) ? QJsonValue(trimmed.toDouble()) : QJsonValue(trimmed);
    case SettingKind::Padding:
        return QJsonValue(trimmed);
    }
    return std::nullopt;
}

struct Column
{
    const Setting* setting = nullptr; // null for the serial column and for a column the header could not name
    bool serial = false;
};

class TableReader
{
public:
    TableReader(const TConfigBlock& templ, UnitsTable& table)
        : templ(templ)
        , table(table)
    {
    }

    void Read(const CsvContent& csv)
    {
        table.separator = csv.separator;
        for (const CsvProblem& problem : csv.problems)
            table.problems.push_back({ problem.line, QString(), problem.text });
        if (csv.records.empty()) {
            Error(1, QString(),
                QCoreApplication::translate(
                    "UnitsTable", "the table is empty: its first line names the settings of its columns"));
            return;
        }
        ReadHeader(csv.records.front());
        int number = 0;
        for (auto record = csv.records.begin() + 1; record != csv.records.end(); ++record) {
            ++number;
            // Its cells are not read on a guess: the row is named by its problem and not used.
            if (!record->damaged)
                ReadRow(*record, number);
        }
        WarnOfSameNames();
        std::stable_sort(table.problems.begin(), table.problems.end(),
            [](const TableProblem& a, const TableProblem& b) { return a.line < b.line; });
    }

private:
    void Error(int line, const QString& column, const QString& text)
    {
        table.problems.push_back({ line, column, text });
    }

    void ReadHeader(const CsvRecord& header)
    {
        QHash<QString, int> seen;
        bool headerFaults = false;
        for (int index = 0; index < header.fields.size(); ++index) {
            const QString name = header.fields[index].trimmed();
            table.columns << name;
            Column column;
            if (name.isEmpty()) {
                Error(header.line, name,
                    QCoreApplication::translate("UnitsTable", "column %1 has no name").arg(index + 1));
            } else if (seen.contains(name)) {
                Error(header.line, name,
                    QCoreApplication::translate("UnitsTable", "\"%1\" names columns %2 and %3")
                        .arg(name, QString::number(seen[name] + 1), QString::number(index + 1)));
            } else if (name == kSerial) {
                column.serial = table.hasSerialColumn = true;
            } else if (!(column.setting = FindSetting(name))) {
                Error(
                    header.line, name, QCoreApplication::translate("UnitsTable", "\"%1\" is not a setting").arg(name));
            }
            headerFaults = headerFaults || (!column.serial && !column.setting);
            seen.insert(name, seen.value(name, index));
            columns.push_back(column);
        }
        if (!headerFaults && std::none_of(columns.begin(), columns.end(), [](const Column& c) { return c.setting; }))
            Error(header.line, QString(),
                QCoreApplication::translate("UnitsTable", "the header names no setting, only the serial number"));
    }

    void ReadRow(const CsvRecord& record, int number)
    {
        UnitRow row;
        row.number = number;
        row.line = record.line;
        row.block = templ;
        const qsizetype cells = record.fields.size();
        if (cells > table.columns.size()) {
            Error(record.fieldLines[table.columns.size()], QString(),
                QCoreApplication::translate("UnitsTable", "the row has %1 cells, the header %2")
                    .arg(cells)
                    .arg(table.columns.size()));
        }
        // A row that ends early leaves its last settings empty, as if their cells were.
        for (qsizetype index = 0; index < table.columns.size(); ++index) {
            const QString cell = index < cells ? record.fields[index] : QString();
            const int line = index < cells ? record.fieldLines[index] : record.fieldLines.back();
            if (columns[index].serial)
                ReadSerial(row, cell, line);
            else if (columns[index].setting && !cell.isEmpty())
                ReadCell(row, *columns[index].setting, cell, line);
        }
        table.rows.push_back(row);
    }

    void ReadSerial(UnitRow& row, const QString& cell, int line)
    {
        const QString text = cell.trimmed();
        bool ok = false;
        const qint64 serial = text.toLongLong(&ok);
        if (text.isEmpty()) {
            Error(line, kSerial,
                QCoreApplication::translate("UnitsTable", "\"serial\" is empty: each row names its controller"));
        } else if (!IsDecimal(text) || !ok || serial < std::numeric_limits<qint32>::min()
            || serial > std::numeric_limits<qint32>::max()) {
            Error(line, kSerial,
                QCoreApplication::translate("UnitsTable",
                    "\"serial\" must be a serial number as info reports it, from -2147483648 to 2147483647"));
        } else if (serialLines.contains(qint32(serial))) {
            Error(line, kSerial,
                QCoreApplication::translate("UnitsTable", "\"serial\" %1 is on lines %2 and %3")
                    .arg(serial)
                    .arg(serialLines[qint32(serial)])
                    .arg(line));
        } else {
            serialLines.insert(qint32(serial), line);
            row.hasSerial = true;
            row.serial = qint32(serial);
        }
    }

    void ReadCell(UnitRow& row, const Setting& setting, const QString& cell, int line)
    {
        QString refusal;
        const std::optional<QJsonValue> value = CellValue(setting, cell, refusal);
        const QStringList refusals
            = value ? BlockFromJson(QJsonObject { { setting.name, *value } }, row.block) : QStringList { refusal };
        for (const QString& text : refusals)
            Error(line, setting.name, text);
        if (refusals.isEmpty())
            row.values.insert(setting.name, *value);
    }

    // Names that the table leaves to the template count as well: a row without one is named as the template is.
    void WarnOfSameNames()
    {
        if (std::none_of(table.rows.begin(), table.rows.end(),
                [](const UnitRow& row) { return row.values.contains(kDeviceName); }))
            return;
        const Setting& name = *FindSetting(kDeviceName);
        QHash<QString, int> lines;
        for (const UnitRow& row : table.rows) {
            const QString value = SettingValue(name, row.block).toString();
            if (lines.contains(value)) {
                table.problems.push_back({ row.line, kDeviceName,
                    QCoreApplication::translate("UnitsTable", "\"device_name\" %1 is on lines %2 and %3")
                        .arg(DisplayValue(name, value), QString::number(lines[value]), QString::number(row.line)),
                    true });
            } else {
                lines.insert(value, row.line);
            }
        }
    }

    const TConfigBlock& templ;
    UnitsTable& table;
    std::vector<Column> columns;
    QHash<qint32, int> serialLines;
};

} // namespace

bool UnitsTable::HasErrors() const
{
    return std::any_of(problems.begin(), problems.end(), [](const TableProblem& p) { return !p.warning; });
}

UnitsTable ParseUnitsTable(const QByteArray& content, const TConfigBlock& templ)
{
    UnitsTable table;
    TableReader(templ, table).Read(ReadCsv(content));
    return table;
}

UnitsTable LoadUnitsTable(const QString& path, const TConfigBlock& templ)
{
    QFile file(path);
    QString why;
    // A pipe or a device could block the read or never end.
    if (IsSpecialFile(path))
        why = QCoreApplication::translate("UnitsTable", "not a regular file");
    else if (!file.open(QIODevice::ReadOnly))
        why = file.errorString();
    const QByteArray content = why.isEmpty() ? file.readAll() : QByteArray();
    if (why.isEmpty() && file.error() != QFileDevice::NoError)
        why = file.errorString();
    if (!why.isEmpty()) {
        UnitsTable table;
        table.problems.push_back({ 0, QString(), why });
        return table;
    }
    return ParseUnitsTable(content, templ);
}

QString ProblemLine(const QString& file, const TableProblem& problem)
{
    QString line = file + QLatin1Char(':');
    if (problem.line > 0)
        line += QString::number(problem.line) + QLatin1Char(':');
    if (!problem.column.isEmpty())
        line += QLatin1Char(' ') + QCoreApplication::translate("UnitsTable", "column %1:").arg(problem.column);
    return line + QLatin1Char(' ')
        + (problem.warning ? QCoreApplication::translate("UnitsTable", "warning: %1").arg(problem.text) : problem.text);
}

QStringList RowDifferences(
    const UnitRow& row, const TConfigBlock& templ, const std::function<QString(const Setting&)>& label)
{
    QStringList lines;
    for (const SettingDifference& difference : CompareSettings(row.block, templ)) {
        const Setting& setting = *difference.setting;
        // The preview is read on a screen at the site, where others may see it.
        const auto shown = [&](const QJsonValue& value) {
            return setting.name == kPassword ? QStringLiteral("***") : DisplayValue(setting, value);
        };
        lines << QCoreApplication::translate("UnitsTable", "%1: %2 in the row, %3 in the template")
                     .arg(label ? label(setting) : setting.name, shown(difference.first), shown(difference.second));
    }
    return lines;
}

QString RowLabel(const UnitRow& row)
{
    if (row.values.contains(kDeviceName)) {
        return QCoreApplication::translate("UnitsTable", "row %1 (device_name %2)")
            .arg(row.number)
            .arg(DisplayValue(*FindSetting(kDeviceName), row.values[kDeviceName]));
    }
    if (row.hasSerial)
        return QCoreApplication::translate("UnitsTable", "row %1 (serial %2)").arg(row.number).arg(row.serial);
    return QCoreApplication::translate("UnitsTable", "row %1").arg(row.number);
}
