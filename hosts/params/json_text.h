// The few pieces of JSON the command writes.
#pragma once

#include <string>

namespace quorlan_params {

// `text` as a JSON string. Registry texts are 8-bit Windows-1252, as the dialog shows them: each
// character beyond ASCII is written as its \u escape ("\u20ac" for 0x80), so the output is
// plain ASCII whatever the terminal.
std::string jsonString(const std::string& text);
// A JSON string, or null when there is no text.
std::string jsonStringOrNull(bool has, const std::string& text);

} // namespace quorlan_params
