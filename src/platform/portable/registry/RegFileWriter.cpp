#include "RegFileWriter.h"

#include <cstdio>

namespace portable::registry {

namespace {

constexpr const char* kNewline = "\r\n"; // as the registry editor writes it
constexpr size_t kHexLineWidth = 76;

std::string quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

// Text that the "..." form gives back exactly: one terminating NUL, no other NUL, no line break.
bool isPlainText(const RegistryValue& value) {
    const std::vector<BYTE>& d = value.data;
    if (value.type != 1 || d.empty() || d.back() != 0)
        return false;
    for (size_t i = 0; i + 1 < d.size(); ++i)
        if (d[i] == 0 || d[i] == '\n' || d[i] == '\r')
            return false;
    return true;
}

} // namespace

std::string RegFileWriter::write(const RegistryTree& tree) {
    out_ = "REGEDIT4";
    out_ += kNewline;
    for (int i = 0; i < kRootCount; ++i)
        writeKey(tree.root(i), tree.root(i).name());
    out_ += kNewline;
    return std::move(out_);
}

// A key gets a section when it has values or when nothing below it would imply it.
void RegFileWriter::writeKey(const RegistryKey& key, const std::string& path) {
    bool isRoot = path.find('\\') == std::string::npos;
    if (!key.values().empty() || (key.children().empty() && !isRoot)) {
        out_ += kNewline;
        out_ += "[" + path + "]" + kNewline;
        for (const RegistryValue& value : key.values())
            writeValue(value);
    }
    for (const auto& [folded, child] : key.children())
        writeKey(*child, path + "\\" + child->name());
}

void RegFileWriter::writeValue(const RegistryValue& value) {
    std::string line = value.name.empty() ? "@=" : quote(value.name) + "=";
    if (isPlainText(value)) {
        out_ += line + quote(std::string(value.data.begin(), value.data.end() - 1)) + kNewline;
    } else if (value.type == 4 && value.data.size() == 4) {
        const std::vector<BYTE>& d = value.data;
        char dword[16];
        std::snprintf(dword, sizeof dword, "dword:%02x%02x%02x%02x", d[3], d[2], d[1], d[0]);
        out_ += line + dword + kNewline;
    } else if (value.type == 3) {
        writeHex(line + "hex:", value.data);
    } else {
        char prefix[24];
        std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
        writeHex(line + prefix, value.data);
    }
}

// Bytes as "xx," pairs, lines continued with a backslash when they grow past the width.
void RegFileWriter::writeHex(std::string line, const std::vector<BYTE>& data) {
    size_t onLine = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        char piece[4];
        std::snprintf(piece, sizeof piece, i + 1 < data.size() ? "%02x," : "%02x", data[i]);
        if (onLine > 0 && line.size() + 3 > kHexLineWidth) {
            out_ += line + "\\" + kNewline;
            line = "  ";
            onLine = 0;
        }
        line += piece;
        ++onLine;
    }
    out_ += line + kNewline;
}

} // namespace portable::registry
