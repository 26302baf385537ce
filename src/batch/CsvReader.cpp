// The file is read as bytes: the quote, the separators and the line ends are ASCII, and no byte of a longer UTF-8
// sequence is, so the structure can be found before any text is decoded.
#include "batch/CsvReader.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>

namespace {

const QByteArray kByteOrderMark = "\xEF\xBB\xBF";

// The text of a field, and whether its bytes were UTF-8. A byte-order mark inside the file is a character like any
// other: only the one before the first line belongs to the file.
bool DecodeUtf8(const QByteArray& bytes, QString& text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

class Parser
{
public:
    Parser(const QByteArray& text, CsvContent& content)
        : text(text)
        , content(content)
    {
    }

    void Run()
    {
        // A line break is never inside a UTF-8 sequence, so each line is judged alone and named as it is.
        int number = 1;
        for (const QByteArray& physical : text.split('\n')) {
            QString ignored;
            if (!DecodeUtf8(physical, ignored)) {
                invalidLines.push_back(number);
                content.problems.push_back(
                    { number, QCoreApplication::translate("CsvReader", "the line holds bytes that are not UTF-8") });
            }
            ++number;
        }
        content.separator = QChar::fromLatin1(FindSeparator());
        while (pos < text.size()) {
            if (AtLineEnd()) {
                SkipLineEnd();
                continue;
            }
            CsvRecord record { line, {}, {} };
            ReadRecord(record);
            record.damaged = record.damaged || std::any_of(invalidLines.begin(), invalidLines.end(), [&](int bad) {
                return bad >= record.line && bad <= line;
            });
            content.records.push_back(record);
            if (pos < text.size())
                SkipLineEnd();
        }
        std::stable_sort(content.problems.begin(), content.problems.end(),
            [](const CsvProblem& a, const CsvProblem& b) { return a.line < b.line; });
    }

private:
    // The first comma or semicolon outside quotes on the first line that is not blank.
    char FindSeparator()
    {
        qsizetype at = pos;
        while (at < text.size() && (text[at] == '\n' || text[at] == '\r'))
            ++at;
        bool quoted = false;
        for (; at < text.size() && (quoted || text[at] != '\n'); ++at) {
            if (text[at] == '"')
                quoted = !quoted;
            else if (!quoted && (text[at] == ',' || text[at] == ';'))
                return text[at];
        }
        return ',';
    }

    // A CR without an LF after it is a character of its field.
    bool AtLineEnd() const { return text[pos] == '\n' || QByteArrayView(text).sliced(pos).startsWith("\r\n"); }

    void SkipLineEnd()
    {
        pos += text[pos] == '\r' ? 2 : 1;
        ++line;
    }

    bool AtFieldEnd() const { return pos == text.size() || text[pos] == separator() || AtLineEnd(); }
    char separator() const { return content.separator.toLatin1(); }

    void Damage(CsvRecord& record, int where, const QString& why)
    {
        // The first fault of a record is the one to mend; what follows it is read on a guess.
        if (!record.damaged)
            content.problems.push_back({ where, why });
        record.damaged = true;
    }

    // Reads one record up to its line end, which is left for the caller.
    void ReadRecord(CsvRecord& record)
    {
        for (;;) {
            record.fieldLines.push_back(line);
            QByteArray field;
            if (pos < text.size() && text[pos] == '"')
                ReadQuoted(record, field);
            while (!AtFieldEnd()) {
                if (text[pos] == '"')
                    Damage(record, line,
                        QCoreApplication::translate(
                            "CsvReader", "a quote inside a field that does not start with one"));
                field += text[pos++];
            }
            QString decoded;
            DecodeUtf8(field, decoded);
            record.fields << decoded;
            if (pos == text.size() || text[pos] != separator())
                return;
            ++pos;
        }
    }

    void ReadQuoted(CsvRecord& record, QByteArray& field)
    {
        const int opened = line;
        ++pos;
        while (pos < text.size()) {
            const char c = text[pos++];
            if (c == '"' && pos < text.size() && text[pos] == '"') {
                field += '"';
                ++pos;
            } else if (c == '"') {
                // What follows up to the field's end stays in the field, so that its row is named and kept whole.
                if (!AtFieldEnd())
                    Damage(record, line,
                        QCoreApplication::translate("CsvReader", "text after the closing quote of a field"));
                return;
            } else {
                line += c == '\n';
                field += c;
            }
        }
        Damage(record, opened, QCoreApplication::translate("CsvReader", "a quote opened on this line is never closed"));
    }

    const QByteArray& text;
    CsvContent& content;
    std::vector<int> invalidLines;
    qsizetype pos = 0;
    int line = 1;
};

} // namespace

CsvContent ReadCsv(const QByteArray& content)
{
    CsvContent result;
    const QByteArray text = content.startsWith(kByteOrderMark) ? content.mid(kByteOrderMark.size()) : content;
    Parser(text, result).Run();
    return result;
}
