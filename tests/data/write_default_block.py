#!/usr/bin/env python3
# Builds write_default_block.hex: the 45 output reports of a write of the default configuration, one hex line per
# report, from a fresh (all-zero) transmit buffer. Written from the wire layout alone, independently of the C++
# encoder, so that the two can check each other. Every report is framed as byte 0 = 0, byte 1 = command; a write
# half puts the chunk in byte 2 and its image from byte 3; bytes a report does not name keep the previous value.

def default_block():
    b = bytearray(1848)
    def put(off, text):
        b[off:off + len(text) + 1] = text.encode('ascii') + b'\0'
    put(112, "This is a text message")
    put(624, "QUILMOX")
    for t, prefix in enumerate(["IPOn", "IPOff", "IPTog", "IPPls"]):
        for n in range(1, 17):
            put(656 + 256 * t + 16 * (n - 1), prefix + str(n))
    for n in range(16):
        b[1680 + 4 * n:1684 + 4 * n] = (1000).to_bytes(4, 'little')
    put(1808, "Tarnvale")
    put(1828, "Send")
    return b

def pack(flags):  # eight flag bytes -> one byte, flag j in bit j
    return sum(1 << j for j in range(8) if flags[j])

def pair(b, off):  # a sixteen-flag array: outputs/inputs 9..16 first
    return [pack(b[off + 8:off + 16]), pack(b[off:off + 8])]

def half_image(b, chunk, second):
    """Dict of image offset -> byte for the offsets this half writes."""
    img = {}
    def put(off, data):
        for i, v in enumerate(data):
            img[off + i] = v
    if chunk == 0 and not second:
        put(0, [0x55])
        for off, field in [(1, 48), (3, 64), (5, 1744), (7, 1760), (9, 1776), (11, 1792)]:
            put(off, pair(b, field))
        for i in range(16):
            p = int.from_bytes(b[1680 + 4 * i:1684 + 4 * i], 'little')
            put(13 + 2 * i, [(p >> 8) & 0xFF, p & 0xFF])
    elif chunk == 0:
        put(0, b[80:112])
        put(37, [b[1824]])
        put(38, pair(b, 0))
        put(40, pair(b, 16))
        put(42, pair(b, 32))
        put(44, [1 if b[1844] else 0])
    elif chunk == 1 and not second:
        put(0, b[624:656])
        put(32, b[1808:1824])
    elif chunk == 1:
        put(0, b[1828:1844])
        put(17, [0xFF] * 45)
    elif chunk <= 17:
        table, n = divmod(chunk - 2, 4)
        first = 4 * n + (2 if second else 0)
        start = 656 + 256 * table + 16 * first
        put(0, b[start:start + 32])
    else:
        m = 112 + 96 * (chunk - 18) + (48 if second else 0)
        put(0, b[m:m + (16 if chunk == 20 and second else 48)])
    return img

def reports(b):
    tx = bytearray(65)
    out = []
    def send(command, chunk=None, img=None):
        tx[0], tx[1] = 0, command
        if chunk is not None:
            tx[2] = chunk
        for off, v in (img or {}).items():
            tx[3 + off] = v
        out.append(bytes(tx))
    send(0x53)
    send(0x45)
    for chunk in range(21):
        send(0x64, chunk, half_image(b, chunk, False))
        send(0x44, chunk, half_image(b, chunk, True))
    send(0x5A)
    return out

if __name__ == '__main__':
    with open('write_default_block.hex', 'w') as f:
        for r in reports(default_block()):
            f.write(' '.join('%02X' % v for v in r) + '\n')
