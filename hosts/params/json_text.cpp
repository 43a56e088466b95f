#include "json_text.h"

#include "platform/windows_1252.h"

#include <cstdio>

namespace quorlan_params {

namespace {

void appendEscaped(std::string& out, uint32_t code) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(code));
    out += escape;
}

} // namespace

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (char signedChar : text) {
        const uint32_t code = windows_1252::codePoint(static_cast<unsigned char>(signedChar));
        if (code == '"' || code == '\\') {
            out += '\\';
            out += signedChar;
        } else if (code < 0x20 || code >= 0x7f) {
            appendEscaped(out, code); // every code point of the code page is below 0x10000
        } else {
            out += signedChar;
        }
    }
    return out + '"';
}

std::string jsonStringOrNull(bool has, const std::string& text) {
    return has ? jsonString(text) : "null";
}

} // namespace quorlan_params
