#include "TextEncoding.h"

namespace portable::registry {

namespace {

template <typename Out> void appendUtf8(uint32_t code, Out* out) {
    auto put = [&](uint32_t byte) { out->push_back(static_cast<typename Out::value_type>(byte)); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | code >> 6);
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | code >> 12);
        put(0x80 | (code >> 6 & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | code >> 18);
        put(0x80 | (code >> 12 & 0x3F));
        put(0x80 | (code >> 6 & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

// Decodes UTF-16LE code units from bytes[0, size) into out, joining surrogate pairs.
template <typename Out> void utf16ToUtf8(const unsigned char* bytes, size_t size, Out* out) {
    for (size_t i = 0; i + 1 < size; i += 2) {
        uint32_t unit = bytes[i] | static_cast<uint32_t>(bytes[i + 1]) << 8;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < size) {
            uint32_t low = bytes[i + 2] | static_cast<uint32_t>(bytes[i + 3]) << 8;
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(unit, out);
    }
    if (size % 2)
        out->push_back(static_cast<typename Out::value_type>(bytes[size - 1]));
}

} // namespace

std::string decodeFileText(std::string_view raw) {
    auto bytes = reinterpret_cast<const unsigned char*>(raw.data());
    if (raw.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        std::string text;
        utf16ToUtf8(bytes + 2, raw.size() - 2, &text);
        return text;
    }
    if (raw.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        raw.remove_prefix(3);
    return std::string(raw);
}

std::vector<BYTE> utf16ToBytes(const std::vector<BYTE>& utf16) {
    std::vector<BYTE> out;
    utf16ToUtf8(utf16.data(), utf16.size(), &out);
    return out;
}

} // namespace portable::registry
