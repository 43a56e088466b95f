// Windows-1252, the ANSI code page of Western installations, as code points: what the registry's
// 8-bit text stands for, wherever it has to be told in Unicode.
#pragma once

#include <cstdint>

namespace windows_1252 {

// The characters of 0x80..0x9F; the other bytes stand for the code point of their value. The
// five bytes Windows-1252 leaves undefined map to those code points too, as Windows maps them.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr uint32_t codePoint(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

} // namespace windows_1252
