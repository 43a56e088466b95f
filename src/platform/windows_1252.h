// Windows-1252, the ANSI code page of Western installations, as code points: what the registry's
// 8-bit text stands for, wherever it has to be told in Unicode.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// The text in UTF-8: every code point here is below 0x10000, so three bytes at most.
inline std::string toUtf8(std::string_view ansi) {
    std::string utf8;
    utf8.reserve(ansi.size());
    auto put = [&](uint32_t byte) { utf8.push_back(static_cast<char>(byte)); };
    for (char c : ansi) {
        uint32_t code = codePoint(static_cast<unsigned char>(c));
        if (code < 0x80) {
            put(code);
        } else if (code < 0x800) {
            put(0xC0 | code >> 6);
            put(0x80 | (code & 0x3F));
        } else {
            put(0xE0 | code >> 12);
            put(0x80 | (code >> 6 & 0x3F));
            put(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

} // namespace windows_1252
