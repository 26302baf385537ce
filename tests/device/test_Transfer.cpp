// The half images of the transfer, checked against bytes built here from image offsets, block offsets and literals.
#include "device/Transfer.h"

#include <QtTest>
#include <cstring>

namespace {

constexpr int kImage = 62;

QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(text);
}

QByteArray Bytes(const TConfigBlock& block)
{
    return QByteArray(reinterpret_cast<const char*>(BlockBytes(block)), int(sizeof block));
}

// A block whose every byte differs from its neighbours, so a shifted copy cannot pass.
TConfigBlock PatternBlock(int seed)
{
    TConfigBlock block {};
    for (int i = 0; i < int(sizeof block); ++i)
        BlockBytes(block)[i] = uint8_t(i * 7 + seed);
    return block;
}

QByteArray Encode(const TConfigBlock& block, int chunk, int half, char sentinel)
{
    QByteArray image(kImage, sentinel);
    EncodeHalf(block, chunk, half ? Half::Second : Half::First, reinterpret_cast<uint8_t*>(image.data()));
    return image;
}

// A zero block's image of chunk 0, with 0xAA where the half writes nothing.
QByteArray ZeroChunk0(int half)
{
    QByteArray image(kImage, char(0xAA));
    if (half == 0) {
        image.replace(0, 45, QByteArray(45, '\0'));
        image[0] = char(0x55);
    } else {
        image.replace(0, 32, QByteArray(32, '\0'));
        image.replace(37, 8, QByteArray(8, '\0'));
    }
    return image;
}

} // namespace

class TestTransfer : public QObject
{
    Q_OBJECT

private slots:
    // One block change in chunk 0, everything else zero: the whole half image is predicted.
    void encodeChunk0_data()
    {
        QTest::addColumn<int>("blockOffset");
        QTest::addColumn<QByteArray>("blockBytes");
        QTest::addColumn<int>("half");
        QTest::addColumn<int>("imageOffset");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("input 9 active message") << 56 << Hex("01") << 0 << 1 << Hex("0100");
        QTest::newRow("input 1 active message") << 48 << Hex("01") << 0 << 1 << Hex("0001");
        QTest::newRow("input 16 active message") << 63 << Hex("01") << 0 << 1 << Hex("8000");
        QTest::newRow("flag byte 2 is set") << 56 << Hex("02") << 0 << 1 << Hex("0100");
        QTest::newRow("input 8 inactive message") << 71 << Hex("01") << 0 << 3 << Hex("0080");
        QTest::newRow("output 1 on enabled") << 1744 << Hex("01") << 0 << 5 << Hex("0001");
        QTest::newRow("output 1 off enabled, byte FF") << 1760 << Hex("FF") << 0 << 7 << Hex("0001");
        QTest::newRow("output 9 toggle enabled") << 1784 << Hex("01") << 0 << 9 << Hex("0100");
        QTest::newRow("output 16 pulse enabled") << 1807 << Hex("01") << 0 << 11 << Hex("8000");
        QTest::newRow("output 1 period 65000") << 1680 << Hex("E8FD0000") << 0 << 13 << Hex("FDE8");
        QTest::newRow("output 1 period 1000") << 1680 << Hex("E8030000") << 0 << 13 << Hex("03E8");
        QTest::newRow("output 16 period, upper bits dropped") << 1740 << Hex("78563412") << 0 << 43 << Hex("5678");
        QTest::newRow("period -1") << 1700 << Hex("FFFFFFFF") << 0 << 23 << Hex("FFFF");
        QTest::newRow("phone number") << 80 << QByteArray("0123") << 1 << 0 << QByteArray("0123");
        QTest::newRow("phone number last byte") << 111 << Hex("39") << 1 << 31 << Hex("39");
        QTest::newRow("inhibit input 16") << 1824 << Hex("10000000") << 1 << 37 << Hex("10");
        QTest::newRow("inhibit input low byte only") << 1824 << Hex("34120000") << 1 << 37 << Hex("34");
        QTest::newRow("input 1 inverted") << 0 << Hex("01") << 1 << 38 << Hex("0001");
        QTest::newRow("output 1 inverted") << 16 << Hex("01") << 1 << 40 << Hex("0001");
        QTest::newRow("output 16 starts active") << 47 << Hex("01") << 1 << 42 << Hex("8000");
        QTest::newRow("request status enabled") << 1844 << Hex("01") << 1 << 44 << Hex("01");
        QTest::newRow("request status enabled, byte 80") << 1844 << Hex("80") << 1 << 44 << Hex("01");
    }

    void encodeChunk0()
    {
        QFETCH(int, blockOffset);
        QFETCH(QByteArray, blockBytes);
        QFETCH(int, half);
        QFETCH(int, imageOffset);
        QFETCH(QByteArray, expected);
        TConfigBlock block {};
        std::memcpy(BlockBytes(block) + blockOffset, blockBytes.constData(), std::size_t(blockBytes.size()));
        QByteArray image = ZeroChunk0(half);
        image.replace(imageOffset, expected.size(), expected);
        QCOMPARE(Encode(block, 0, half, char(0xAA)).toHex(' '), image.toHex(' '));
    }

    // Runs copied byte for byte: the image bytes equal the block bytes they are mapped to.
    void encodeRuns_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("half");
        QTest::addColumn<int>("imageOffset");
        QTest::addColumn<int>("blockOffset");
        QTest::addColumn<int>("length");
        QTest::newRow("phone number") << 0 << 1 << 0 << 80 << 32;
        QTest::newRow("device name") << 1 << 0 << 0 << 624 << 32;
        QTest::newRow("password") << 1 << 0 << 32 << 1808 << 16;
        QTest::newRow("request status keyword") << 1 << 1 << 0 << 1828 << 16;
        QTest::newRow("on words, outputs 1 and 2") << 2 << 0 << 0 << 656 << 32;
        QTest::newRow("on words, outputs 3 and 4") << 2 << 1 << 0 << 688 << 32;
        QTest::newRow("on words, outputs 15 and 16") << 5 << 1 << 0 << 880 << 32;
        QTest::newRow("off words, outputs 1 and 2") << 6 << 0 << 0 << 912 << 32;
        QTest::newRow("toggle words, outputs 5 and 6") << 11 << 0 << 0 << 1232 << 32;
        QTest::newRow("pulse words, outputs 1 and 2") << 14 << 0 << 0 << 1424 << 32;
        QTest::newRow("pulse words, outputs 15 and 16") << 17 << 1 << 0 << 1648 << 32;
        QTest::newRow("message 0..47") << 18 << 0 << 0 << 112 << 48;
        QTest::newRow("message 48..95") << 18 << 1 << 0 << 160 << 48;
        QTest::newRow("message 96..143") << 19 << 0 << 0 << 208 << 48;
        QTest::newRow("message 144..191") << 19 << 1 << 0 << 256 << 48;
        QTest::newRow("message 192..239") << 20 << 0 << 0 << 304 << 48;
        QTest::newRow("message 240..255") << 20 << 1 << 0 << 352 << 16;
    }

    void encodeRuns()
    {
        QFETCH(int, chunk);
        QFETCH(int, half);
        QFETCH(int, imageOffset);
        QFETCH(int, blockOffset);
        QFETCH(int, length);
        const TConfigBlock block = PatternBlock(3);
        QCOMPARE(Encode(block, chunk, half, 0).mid(imageOffset, length).toHex(' '),
            Bytes(block).mid(blockOffset, length).toHex(' '));
    }

    // Two encodings over different fillers differ exactly where the half writes nothing.
    void untouchedOffsets_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("half");
        QTest::addColumn<int>("writtenEnd");
        QTest::addColumn<QList<int>>("gaps");
        QTest::newRow("chunk 0 first") << 0 << 0 << 45 << QList<int> {};
        QTest::newRow("chunk 0 second") << 0 << 1 << 45 << QList<int> { 32, 33, 34, 35, 36 };
        QTest::newRow("chunk 1 first") << 1 << 0 << 48 << QList<int> {};
        QTest::newRow("chunk 1 second") << 1 << 1 << 62 << QList<int> { 16 };
        QTest::newRow("chunk 2 first") << 2 << 0 << 32 << QList<int> {};
        QTest::newRow("chunk 17 second") << 17 << 1 << 32 << QList<int> {};
        QTest::newRow("chunk 18 first") << 18 << 0 << 48 << QList<int> {};
        QTest::newRow("chunk 20 second") << 20 << 1 << 16 << QList<int> {};
        QTest::newRow("no chunk 21") << 21 << 0 << 0 << QList<int> {};
        QTest::newRow("no chunk -1") << -1 << 1 << 0 << QList<int> {};
    }

    void untouchedOffsets()
    {
        QFETCH(int, chunk);
        QFETCH(int, half);
        QFETCH(int, writtenEnd);
        QFETCH(QList<int>, gaps);
        const TConfigBlock block = PatternBlock(1);
        const QByteArray a = Encode(block, chunk, half, char(0xAA));
        const QByteArray b = Encode(block, chunk, half, char(0x5C));
        for (int o = 0; o < kImage; ++o) {
            const bool written = o < writtenEnd && !gaps.contains(o);
            QVERIFY2(written == (a[o] == b[o]), qPrintable(QStringLiteral("image offset %1").arg(o)));
        }
    }

    void chunk1SecondHalfFill()
    {
        const QByteArray image = Encode(PatternBlock(5), 1, 1, 0);
        QCOMPARE(image.mid(17), QByteArray(45, char(0xFF)));
    }

    // Read answers: the image bytes stored into a block that held other values.
    void decodeChunk0_data()
    {
        QTest::addColumn<int>("half");
        QTest::addColumn<int>("imageOffset");
        QTest::addColumn<QByteArray>("imageBytes");
        QTest::addColumn<int>("blockOffset");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("81 sets inputs 9 and 16 only")
            << 0 << 1 << Hex("8100") << 48 << Hex("00000000000000000100000000000001");
        QTest::newRow("lower group byte") << 0 << 3 << Hex("0001") << 64 << Hex("01000000000000000000000000000000");
        QTest::newRow("pulse enabled, last pair")
            << 0 << 11 << Hex("FF02") << 1792 << Hex("00010000000000000101010101010101");
        QTest::newRow("period 65000") << 0 << 13 << Hex("FDE8") << 1680 << Hex("E8FD0000");
        QTest::newRow("period 1000, output 16") << 0 << 43 << Hex("03E8") << 1740 << Hex("E8030000");
        QTest::newRow("inhibit input 255") << 1 << 37 << Hex("FF") << 1824 << Hex("FF000000");
        QTest::newRow("output start status") << 1 << 42 << Hex("807F") << 32 << Hex("01010101010101000000000000000001");
        QTest::newRow("request status bit 0 set") << 1 << 44 << Hex("03") << 1844 << Hex("01");
        QTest::newRow("request status bit 0 clear") << 1 << 44 << Hex("FE") << 1844 << Hex("00");
    }

    void decodeChunk0()
    {
        QFETCH(int, half);
        QFETCH(int, imageOffset);
        QFETCH(QByteArray, imageBytes);
        QFETCH(int, blockOffset);
        QFETCH(QByteArray, expected);
        TConfigBlock block {};
        std::memset(BlockBytes(block), 0x7F, sizeof block); // flags 0x7F, periods 0x7F7F7F7F
        QByteArray image(kImage, '\0');
        image.replace(imageOffset, imageBytes.size(), imageBytes);
        DecodeHalf(block, 0, half ? Half::Second : Half::First, reinterpret_cast<const uint8_t*>(image.constData()));
        QCOMPARE(Bytes(block).mid(blockOffset, expected.size()).toHex(' '), expected.toHex(' '));
    }

    // A read stores exactly the named block bytes; everything else, message bytes 256..511 and Padding included,
    // keeps its value.
    void decodeTouchesOnlyNamedBytes_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("half");
        QTest::addColumn<QList<int>>("ranges"); // start, end pairs of block offsets
        QTest::newRow("chunk 0 first") << 0 << 0 << QList<int> { 48, 80, 1680, 1808 };
        QTest::newRow("chunk 0 second") << 0 << 1 << QList<int> { 0, 48, 80, 112, 1824, 1828, 1844, 1845 };
        QTest::newRow("chunk 1 first") << 1 << 0 << QList<int> { 624, 656, 1808, 1824 };
        QTest::newRow("chunk 1 second") << 1 << 1 << QList<int> { 1828, 1844 };
        QTest::newRow("chunk 2 first") << 2 << 0 << QList<int> { 656, 688 };
        QTest::newRow("chunk 17 second") << 17 << 1 << QList<int> { 1648, 1680 };
        QTest::newRow("chunk 19 second") << 19 << 1 << QList<int> { 256, 304 };
        QTest::newRow("chunk 20 second") << 20 << 1 << QList<int> { 352, 368 };
    }

    void decodeTouchesOnlyNamedBytes()
    {
        QFETCH(int, chunk);
        QFETCH(int, half);
        QFETCH(QList<int>, ranges);
        const TConfigBlock before = PatternBlock(3);
        TConfigBlock block = before;
        const QByteArray image(kImage, char(0xFE)); // every flag bit 0 clear, so every stored byte changes
        DecodeHalf(block, chunk, half ? Half::Second : Half::First, reinterpret_cast<const uint8_t*>(image.data()));
        const QByteArray after = Bytes(block);
        for (int i = 0; i < kConfigBlockSize; ++i) {
            bool named = false;
            for (int r = 0; r < ranges.size(); r += 2)
                named = named || (i >= ranges[r] && i < ranges[r + 1]);
            if (!named)
                QVERIFY2(after[i] == Bytes(before)[i], qPrintable(QStringLiteral("block byte %1 changed").arg(i)));
        }
        // Spot-check that the first named byte of each range was stored at all.
        for (int r = 0; r < ranges.size(); r += 2)
            QVERIFY2(after[ranges[r]] != Bytes(before)[ranges[r]], qPrintable(QString::number(ranges[r])));
    }

    void frameReport_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("chunk"); // -1: the form without a chunk
        QTest::newRow("identify") << 0x53 << -1;
        QTest::newRow("write end") << 0x5A << -1;
        QTest::newRow("read second half, chunk 20") << 0x52 << 20;
        QTest::newRow("write first half, chunk 0") << 0x64 << 0;
    }

    void frameReport()
    {
        QFETCH(int, command);
        QFETCH(int, chunk);
        TReport report;
        report.fill(0xAA);
        if (chunk < 0)
            FrameReport(report, uint8_t(command));
        else
            FrameReport(report, uint8_t(command), uint8_t(chunk));
        QByteArray expected(kReportSize, char(0xAA));
        expected[0] = 0;
        expected[1] = char(command);
        if (chunk >= 0)
            expected[2] = char(chunk);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(report.data()), kReportSize).toHex(' '), expected.toHex(' '));
    }

    void commandCodes()
    {
        QCOMPARE(int(Command::Identify), int('S'));
        QCOMPARE(int(Command::WriteStart), int('E'));
        QCOMPARE(int(Command::WriteFirst), int('d'));
        QCOMPARE(int(Command::WriteSecond), int('D'));
        QCOMPARE(int(Command::WriteEnd), int('Z'));
        QCOMPARE(int(Command::ReadFirst), int('r'));
        QCOMPARE(int(Command::ReadSecond), int('R'));
        QCOMPARE(int(Command::SignalQuery), int('A'));
    }

    // Entry indices outside the table are skipped rather than read or written past its end.
    void entriesOutsideTheTable()
    {
        const TConfigBlock block = PatternBlock(9);
        QByteArray image(kImage, char(0xAA));
        EncodeEntries(block, 3, 15, reinterpret_cast<uint8_t*>(image.data()));
        QCOMPARE(image.left(16), Bytes(block).mid(1424 + 15 * 16, 16));
        QCOMPARE(image.mid(16), QByteArray(kImage - 16, char(0xAA)));

        TConfigBlock target = block;
        DecodeEntries(target, 0, -1, reinterpret_cast<const uint8_t*>(QByteArray(kImage, 'x').constData()));
        QByteArray expected = Bytes(block);
        expected.replace(656, 16, QByteArray(16, 'x'));
        QCOMPARE(Bytes(target), expected);

        DecodeEntries(target, 4, 0, reinterpret_cast<const uint8_t*>(QByteArray(kImage, 'y').constData()));
        QCOMPARE(Bytes(target), expected);
    }
};

QTEST_GUILESS_MAIN(TestTransfer)
#include "test_Transfer.moc"
