// Text as the block and the controller hold it: 8-bit Windows-1252 in fixed-width fields. The form holds Unicode;
// these functions are the only place where the two meet.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Unicode to Windows-1252; a character that the code page cannot represent becomes '?', one per character.
QByteArray ToAnsi(const QString& text);

// Windows-1252 to Unicode. The five bytes the code page leaves undefined map to U+0081, U+008D, U+008F, U+0090
// and U+009D, as Windows maps them, so that every byte survives a round trip.
QString FromAnsi(const char* data, qsizetype size);
inline QString FromAnsi(const QByteArray& bytes) { return FromAnsi(bytes.constData(), bytes.size()); }

// The bytes of a text field up to its first zero byte, or all of them; never past the field's end.
QByteArray FieldBytes(const uint8_t* field, std::size_t width);

// Reads a text field as Unicode.
QString ReadTextField(const uint8_t* field, std::size_t width);

// Zero-fills the whole field and copies at most its width of bytes from the start.
void WriteFieldBytes(uint8_t* field, std::size_t width, const QByteArray& bytes);

// Converts to Windows-1252 and writes as WriteFieldBytes does.
void WriteTextField(uint8_t* field, std::size_t width, const QString& text);

template <std::size_t N>
QString ReadTextField(const uint8_t (&field)[N])
{
    return ReadTextField(field, N);
}

template <std::size_t N>
void WriteTextField(uint8_t (&field)[N], const QString& text)
{
    WriteTextField(field, N, text);
}
