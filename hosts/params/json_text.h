// The few pieces of JSON the command writes.
#pragma once

#include <string>

namespace quorlan_params {

// `text` as a JSON string. Registry texts are 8-bit: a byte above 127 is taken as the Latin-1
// character of that number, so the output is always valid UTF-8.
std::string jsonString(const std::string& text);
// A JSON string, or null when there is no text.
std::string jsonStringOrNull(bool has, const std::string& text);

} // namespace quorlan_params
