#include "platform/portable/advapi32/ansi_code_page.h"

#include "platform/windows_1252.h"

#include <cstdint>

namespace portable::registry {

namespace {

using windows_1252::kHighControls;

uint32_t wideFromAnsi(unsigned char byte) {
    return windows_1252::codePoint(byte);
}

unsigned char ansiFromWide(uint32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code < 0x100))
        return static_cast<unsigned char>(code);
    for (unsigned i = 0; i < 32; ++i)
        if (kHighControls[i] == code)
            return static_cast<unsigned char>(0x80 + i);
    return '?';
}

// The code point starting at text[*at], moving *at past it; a malformed sequence is one
// character the code page lacks.
uint32_t nextCodePoint(std::string_view text, size_t* at) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    uint32_t lead = byte((*at)++);
    if (lead < 0x80)
        return lead;
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (more < 0)
        return 0xFFFD;
    uint32_t code = lead & (0x3F >> more);
    for (int i = 0; i < more; ++i) {
        if (*at >= text.size() || (byte(*at) & 0xC0) != 0x80)
            return 0xFFFD;
        code = code << 6 | (byte((*at)++) & 0x3F);
    }
    return code;
}

} // namespace

std::vector<BYTE> ansiFromUtf16(const BYTE* data, size_t size) {
    std::vector<BYTE> ansi(size / 2);
    for (size_t i = 0; i < ansi.size(); ++i)
        ansi[i] = ansiFromWide(data[2 * i] | static_cast<uint32_t>(data[2 * i + 1]) << 8);
    return ansi;
}

std::vector<BYTE> utf16FromAnsi(const std::vector<BYTE>& ansi) {
    std::vector<BYTE> wide(ansi.size() * 2);
    for (size_t i = 0; i < ansi.size(); ++i) {
        uint32_t code = wideFromAnsi(ansi[i]);
        wide[2 * i] = static_cast<BYTE>(code & 0xFF);
        wide[2 * i + 1] = static_cast<BYTE>(code >> 8);
    }
    return wide;
}

std::string ansiFromUtf8(std::string_view utf8) {
    std::string ansi;
    ansi.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();)
        ansi.push_back(static_cast<char>(ansiFromWide(nextCodePoint(utf8, &at))));
    return ansi;
}

std::string utf8FromAnsi(std::string_view ansi) {
    return windows_1252::toUtf8(ansi);
}

} // namespace portable::registry
