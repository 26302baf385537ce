// The units table of a site's batch: a CSV file as spreadsheets write it (UTF-8 with or without a byte-order mark,
// comma or semicolon told from the header line, RFC 4180 quoting, CR LF or LF). Its header names settings as the
// JSON document does, plus an optional `serial` column; each row gives the settings of one controller, and every
// setting it leaves out or leaves empty is the template's. The whole table is checked before any controller is
// touched: every problem is listed with its line in the file and its column.
#pragma once

#include "config/ConfigBlock.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct Setting;

struct TableProblem
{
    int line; // in the file, from 1; the line a quoted field's line breaks started on
    QString column; // the header's name of the column, or empty for the whole line
    QString text; // e.g. "\"phone_number\" is longer than 20 bytes"
    bool warning = false; // told, but the table may still be used
};

struct UnitRow
{
    int number; // the row's number, from 1 for the first line after the header
    int line; // where it starts in the file
    bool hasSerial = false;
    qint32 serial = 0; // the controller it is meant for, when the table has a serial column
    QJsonObject values; // the row's own settings (its non-empty cells), as the JSON document holds them
    TConfigBlock block {}; // the template with the row's settings
};

struct UnitsTable
{
    QStringList columns; // as the header names them
    QChar separator;
    bool hasSerialColumn = false;
    std::vector<UnitRow> rows;
    std::vector<TableProblem> problems; // errors and warnings in the order of the file

    bool HasErrors() const;
};

// Reads and checks the table against `templ`. A table with errors still lists the rows it could read.
// A blank line is no row; a row whose cells are all empty is one, a controller that gets the template as it is.
// A record whose quoting is malformed or whose bytes are not UTF-8 is named by its problem and left out of `rows`,
// though it keeps its number. Two rows with the same device name (the template's counting for a row without one)
// are a warning, when any row names its own.
UnitsTable ParseUnitsTable(const QByteArray& content, const TConfigBlock& templ);
// Reads the file; a file that cannot be read is one problem on line 0.
UnitsTable LoadUnitsTable(const QString& path, const TConfigBlock& templ);

// One problem as a line of text: "FILE:LINE: column NAME: TEXT", "warning: " before the text for a warning; no
// column for a problem of the whole line, and no line for one of the whole file ("FILE: TEXT").
QString ProblemLine(const QString& file, const TableProblem& problem);
// The row's settings that differ from the template, one line each, as `diff` shows a difference:
// "device_name: \"Pump 4\" in the row, \"QUILMOX\" in the template".
// `label` names a setting for the reader (the window names it as it labels it); without one, the catalogue's
// name stands.
QStringList RowDifferences(
    const UnitRow& row, const TConfigBlock& templ, const std::function<QString(const Setting&)>& label = nullptr);
// How a row is named to the operator: "row 4 (device_name \"Pump 4\")"; the serial number when the row has no
// device name of its own; "row 4" alone when it has neither.
QString RowLabel(const UnitRow& row);
