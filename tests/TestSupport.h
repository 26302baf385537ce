// What the tests of every layer share: blocks as bytes, the default block built from its literals (not through
// SetDefaults), and random blocks of the kind the tool itself writes.
#pragma once

#include "config/ConfigBlock.h"

#include <QtCore>

inline QByteArray Bytes(const TConfigBlock& block)
{
    return QByteArray(reinterpret_cast<const char*>(BlockBytes(block)), kConfigBlockSize);
}

inline QByteArray Bytes(const std::array<uint8_t, 65>& report)
{
    return QByteArray(reinterpret_cast<const char*>(report.data()), int(report.size()));
}

inline TConfigBlock Block(const QByteArray& image)
{
    TConfigBlock block {};
    std::memcpy(BlockBytes(block), image.constData(), std::size_t(qMin<qsizetype>(image.size(), kConfigBlockSize)));
    return block;
}

inline QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(text);
}

inline QByteArray DefaultImage()
{
    QByteArray image(kConfigBlockSize, '\0');
    auto put = [&](int offset, const QByteArray& text) { image.replace(offset, text.size(), text); };
    const char* prefixes[] = { "IPOn", "IPOff", "IPTog", "IPPls" };
    for (int n = 1; n <= 16; ++n) {
        for (int c = 0; c < 4; ++c)
            put(656 + 256 * c + 16 * (n - 1), prefixes[c] + QByteArray::number(n));
        put(1680 + 4 * (n - 1), Hex("E8030000"));
    }
    for (const auto& [offset, text] :
        { std::pair { 112, "This is a text message" }, { 624, "QUILMOX" }, { 1808, "Tarnvale" }, { 1828, "Send" } })
        put(offset, text);
    return image;
}

inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The reports of `log` from `first` on, at most `count`, as ExpectedWrite gives a write's: bytes 1..64 of each in
// upper-case hex, a line each.
inline QByteArray Wire(const std::vector<std::array<uint8_t, 65>>& log, std::size_t first, std::size_t count)
{
    QByteArray lines;
    for (std::size_t n = first; n < first + count && n < log.size(); ++n)
        lines += Bytes(log[n]).mid(1).toHex(' ').toUpper() + '\n';
    return lines;
}

// The 45 reports of a write of the default block, one hex line each, built from the wire layout alone.
inline QList<QByteArray> GoldenWrite()
{
    return ReadFile(PARLOWEN_TEST_DATA "/write_default_block.hex").trimmed().split('\n');
}

// A block as collecting a form gives it: flags 0 or 1, texts of printable Windows-1252 characters zero-filled to
// their field's end (the phone number may fill its field), the message at most 509 bytes, numbers within the
// controls' limits, Padding zero. With `anyNumbers`, as a settings file the tool saves may also hold it: numbers
// of any 32 bits and any Padding, from a read or a file loaded before.
inline TConfigBlock RandomToolBlock(QRandomGenerator& random, bool anyNumbers = false)
{
    TConfigBlock block {};
    uint8_t* bytes = BlockBytes(block);
    auto text = [&](int offset, int longest) {
        const int length = random.bounded(longest + 1);
        for (int i = 0; i < length; ++i)
            bytes[offset + i] = uint8_t(random.bounded(2) ? random.bounded(0x20, 0x7F) : random.bounded(0xA0, 0x100));
    };
    for (int offset : { 0, 16, 32, 48, 64, 1744, 1760, 1776, 1792 }) {
        for (int i = 0; i < 16; ++i)
            bytes[offset + i] = uint8_t(random.bounded(2));
    }
    for (const auto& [offset, longest] : { std::pair { 80, 32 }, { 112, 509 }, { 624, 30 }, { 1808, 8 }, { 1828, 15 } })
        text(offset, longest);
    for (int entry = 0; entry < 64; ++entry)
        text(656 + 16 * entry, 15);
    for (auto& period : block.OutputPulsePeriod)
        period = anyNumbers ? qint32(random.generate()) : random.bounded(10, 65001);
    block.InhibitInput = anyNumbers ? qint32(random.generate()) : random.bounded(17);
    block.RequestStatusEnabled = uint8_t(random.bounded(2));
    for (uint8_t& byte : block.Padding)
        byte = anyNumbers ? uint8_t(random.bounded(256)) : 0;
    return block;
}
