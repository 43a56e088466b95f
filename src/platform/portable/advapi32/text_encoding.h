// Text conversions for registry files written by a version 5 registry editor, which saves
// UTF-16LE (with a byte-order mark) and keeps string data as UTF-16LE bytes. The store keeps
// 8-bit text, so both become UTF-8, and go back to UTF-16LE when written.
#pragma once

#include "platform/portable/win32_types.h"

#include <string>
#include <string_view>
#include <vector>

namespace portable::registry {

// How a file's bytes hold its text.
enum class FileEncoding {
    Bytes,       // 8-bit text as it is (ANSI)
    Utf8WithBom, // UTF-8 after a byte-order mark
    Utf16Le,     // UTF-16LE after a byte-order mark
};

struct DecodedText {
    std::string text; // UTF-8, without the byte-order mark
    FileEncoding encoding = FileEncoding::Bytes;
    bool cutCharacter = false; // UTF-16 that ends in the middle of a character
};

DecodedText decodeFileText(std::string_view raw);
// The same, taking the bytes: 8-bit text keeps them and costs no copy.
DecodedText decodeFileText(std::string&& raw);
// The file's bytes for that text: the inverse of decodeFileText().
std::string encodeFileText(std::string_view text, FileEncoding encoding);

// UTF-16LE bytes (an odd last byte is kept as it is) as UTF-8 bytes, and back.
std::vector<BYTE> utf16ToBytes(const std::vector<BYTE>& utf16);
std::vector<BYTE> bytesToUtf16(const std::vector<BYTE>& text);

} // namespace portable::registry
