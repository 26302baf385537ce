// A CSV file as spreadsheets write it: UTF-8 with or without a byte-order mark, RFC 4180 quoting (separators,
// doubled quotes and line breaks inside quoted fields), CR LF or LF line ends, the last line with or without one.
// The separator is a comma or a semicolon, told from the first line: the one of the two that occurs there outside
// quotes. When both occur the first of them separates (the other then stays inside a name, which its reader
// refuses); when neither does (a table of one column) it is the comma.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

struct CsvRecord
{
    int line; // where the record starts in the file, from 1
    QStringList fields;
    std::vector<int> fieldLines; // where each field starts: a quoted line break moves the next fields down
    bool damaged = false; // malformed quoting or bytes that are not UTF-8: its fields are not to be trusted
};

struct CsvProblem
{
    int line;
    QString text;
};

struct CsvContent
{
    QChar separator = u',';
    std::vector<CsvRecord> records; // blank lines are skipped
    std::vector<CsvProblem> problems; // in the order of the file
};

CsvContent ReadCsv(const QByteArray& content);
