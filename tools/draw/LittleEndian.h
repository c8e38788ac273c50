#pragma once

#include <QByteArray>
#include <cstdint>

// Windows picture files store their numbers with the least significant byte first.
inline void appendLittleEndian16(QByteArray& out, std::uint16_t value)
{
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

inline void appendLittleEndian32(QByteArray& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

// Pixel rows of device-independent bitmaps start on four-byte boundaries.
inline int paddedRowBytes(int bits)
{
    return (bits + 31) / 32 * 4;
}
