#include "platform/portable/advapi32/text_encoding.h"

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

// Decodes UTF-16LE code units from bytes[0, size) into out, joining surrogate pairs; a lone
// surrogate is kept as its three-byte form, so that encoding gives it back.
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

// The length of the UTF-8 sequence that starts with `lead` and the bits it carries, or 0 for a
// byte that starts none.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// Encodes UTF-8 as UTF-16LE; a byte that starts no complete sequence stands for itself.
template <typename Out> void utf8ToUtf16(const unsigned char* bytes, size_t size, Out* out) {
    auto put = [&](uint32_t unit) {
        out->push_back(static_cast<typename Out::value_type>(unit & 0xFF));
        out->push_back(static_cast<typename Out::value_type>(unit >> 8));
    };
    for (size_t i = 0; i < size;) {
        int length = sequenceLength(bytes[i]);
        bool complete = length > 0 && i + static_cast<size_t>(length) <= size;
        for (int k = 1; complete && k < length; ++k)
            complete = (bytes[i + k] & 0xC0) == 0x80;
        if (!complete) {
            put(bytes[i++]);
            continue;
        }
        uint32_t code = length == 1 ? bytes[i] : bytes[i] & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            code = code << 6 | (bytes[i + k] & 0x3F);
        i += static_cast<size_t>(length);
        if (code >= 0x10000) {
            put(0xD800 + ((code - 0x10000) >> 10));
            put(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            put(code);
        }
    }
}

} // namespace

DecodedText decodeFileText(std::string_view raw) {
    DecodedText decoded;
    auto bytes = reinterpret_cast<const unsigned char*>(raw.data());
    if (raw.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        decoded.encoding = FileEncoding::Utf16Le;
        decoded.cutCharacter = raw.size() % 2 != 0;
        utf16ToUtf8(bytes + 2, raw.size() - 2 - (raw.size() % 2), &decoded.text);
        return decoded;
    }
    if (raw.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        decoded.encoding = FileEncoding::Utf8WithBom;
        raw.remove_prefix(3);
    }
    decoded.text.assign(raw);
    return decoded;
}

DecodedText decodeFileText(std::string&& raw) {
    if (raw.size() >= 2 && raw[0] == '\xFF' && raw[1] == '\xFE')
        return decodeFileText(std::string_view(raw));
    DecodedText decoded;
    if (raw.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        decoded.encoding = FileEncoding::Utf8WithBom;
        raw.erase(0, 3);
    }
    decoded.text = std::move(raw);
    return decoded;
}

std::string encodeFileText(std::string_view text, FileEncoding encoding) {
    switch (encoding) {
    case FileEncoding::Utf16Le: {
        std::string out = "\xFF\xFE";
        out.reserve(2 + text.size() * 2);
        utf8ToUtf16(reinterpret_cast<const unsigned char*>(text.data()), text.size(), &out);
        return out;
    }
    case FileEncoding::Utf8WithBom:
        return "\xEF\xBB\xBF" + std::string(text);
    case FileEncoding::Bytes:
        break;
    }
    return std::string(text);
}

std::vector<BYTE> utf16ToBytes(const std::vector<BYTE>& utf16) {
    std::vector<BYTE> out;
    utf16ToUtf8(utf16.data(), utf16.size(), &out);
    return out;
}

std::vector<BYTE> bytesToUtf16(const std::vector<BYTE>& text) {
    std::vector<BYTE> out;
    utf8ToUtf16(text.data(), text.size(), &out);
    return out;
}

} // namespace portable::registry
