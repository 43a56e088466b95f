// Text conversions for registry files written by a version 5 registry editor, which saves
// UTF-16LE (with a byte-order mark) and keeps string data as UTF-16LE bytes. The store keeps
// 8-bit text, so both become UTF-8.
#pragma once

#include "../win32_types.h"

#include <string>
#include <string_view>
#include <vector>

namespace portable::registry {

// The file's text as UTF-8 without a byte-order mark.
std::string decodeFileText(std::string_view raw);

// UTF-16LE bytes (an odd last byte is kept as it is) as UTF-8 bytes.
std::vector<BYTE> utf16ToBytes(const std::vector<BYTE>& utf16);

} // namespace portable::registry
