#include "config/AnsiText.h"

#include <QList>

#include <algorithm>
#include <cstring>

namespace {

// Unicode of bytes 0x80..0x9F; the rest of Windows-1252 equals Latin-1. Undefined bytes keep their C1 code point.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D,
    0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A,
    0x0153, 0x009D, 0x017E, 0x0178,
};

char EncodeCodePoint(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray ToAnsi(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    // Iterating by code point turns a surrogate pair into one '?' rather than two.
    for (char32_t c : text.toUcs4())
        out.append(EncodeCodePoint(c));
    return out;
}

QString FromAnsi(const char* data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<uint8_t>(data[i]);
        out[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
    }
    return out;
}

QByteArray FieldBytes(const uint8_t* field, std::size_t width)
{
    const void* zero = std::memchr(field, 0, width);
    const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const uint8_t*>(zero) - field) : width;
    return QByteArray(reinterpret_cast<const char*>(field), static_cast<qsizetype>(length));
}

QString ReadTextField(const uint8_t* field, std::size_t width)
{
    return FromAnsi(FieldBytes(field, width));
}

void WriteFieldBytes(uint8_t* field, std::size_t width, const QByteArray& bytes)
{
    std::memset(field, 0, width);
    std::memcpy(field, bytes.constData(), std::min(width, static_cast<std::size_t>(bytes.size())));
}

void WriteTextField(uint8_t* field, std::size_t width, const QString& text)
{
    WriteFieldBytes(field, width, ToAnsi(text));
}
