// Windows-1252, the ANSI code page of Western installations: how the A functions of the registry
// see names and text that a hive keeps as UTF-16 (hivex hands names over as UTF-8).
#pragma once

#include "platform/portable/win32_types.h"

#include <string>
#include <string_view>
#include <vector>

namespace portable::registry {

// One ANSI byte per whole UTF-16 unit, as RegQueryValueExA converts text: an odd last byte is
// dropped, and a character the code page lacks becomes '?'.
std::vector<BYTE> ansiFromUtf16(const BYTE* data, size_t size);
// One UTF-16 unit per ANSI byte, as RegSetValueExA stores text.
std::vector<BYTE> utf16FromAnsi(const std::vector<BYTE>& ansi);

std::string ansiFromUtf8(std::string_view utf8);
std::string utf8FromAnsi(std::string_view ansi);

} // namespace portable::registry
