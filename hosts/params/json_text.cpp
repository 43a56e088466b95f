#include "json_text.h"

#include <cstdio>

namespace quorlan_params {

namespace {

void appendEscaped(std::string& out, unsigned char c) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", c);
    out += escape;
}

} // namespace

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (char signedChar : text) {
        const unsigned char c = static_cast<unsigned char>(signedChar);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += signedChar;
        } else if (c < 0x20 || c >= 0x7f) {
            appendEscaped(out, c);
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
