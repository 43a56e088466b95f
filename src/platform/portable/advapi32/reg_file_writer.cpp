#include "platform/portable/advapi32/reg_file_writer.h"

#include "platform/portable/advapi32/reg_file_syntax.h"
#include "platform/portable/advapi32/text_encoding.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace portable::registry {

namespace {

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
    const ValueBytes& d = value.data;
    if (value.type != 1 || d.empty() || d.back() != 0)
        return false;
    for (size_t i = 0; i + 1 < d.size(); ++i)
        if (d[i] == 0 || d[i] == '\n' || d[i] == '\r')
            return false;
    return true;
}

bool isStringType(DWORD type) {
    return type == 1 || type == 2 || type == 7;
}

// A key that must have a key line of its own: one with values, or a leaf other than a root (a
// key with subkeys is implied by theirs, and the roots always exist).
bool needsSection(const RegistryKey& key, std::string_view path) {
    bool isRoot = path.find('\\') == std::string_view::npos;
    return !key.values().empty() || (key.children().empty() && !isRoot);
}

} // namespace

std::string RegFileWriter::write(const RegistryTree& tree) {
    out_.clear();
    const RegFileSource* source = tree.source();
    if (!source) {
        out_ = "REGEDIT4\r\n";
        writeNewKeys(tree);
        out_ += "\r\n";
        return std::move(out_);
    }
    lineEnd_ = source->lineEnd;
    version5_ = source->version5;
    writeSections(tree, *source);
    writeNewKeys(tree);
    if (source->encoding == FileEncoding::Bytes)
        return std::move(out_);
    return encodeFileText(out_, source->encoding);
}

// The text before the first key line, then every key line of the file whose key is still there,
// in file order.
void RegFileWriter::writeSections(const RegistryTree& tree, const RegFileSource& source) {
    out_.reserve(source.text.size() + source.text.size() / 8);
    out_.append(source.text, 0, std::min(source.firstKey, source.text.size()));
    std::vector<std::pair<SourceOffset, const RegistryKey*>> sections;
    tree.forEachKey([&](const RegistryKey& key, std::string_view) {
        key.forEachSection([&](SourceOffset offset) { sections.emplace_back(offset, &key); });
    });
    std::sort(sections.begin(), sections.end());
    for (const auto& [offset, key] : sections)
        writeSection(*key, offset, source);
}

// One key line of the file and the lines after it up to the next key line: a value line stays
// when its value is still the one read from it, is written anew when that value changed, and is
// dropped otherwise. The key's last section ends with its new values, before the blank lines and
// comments that close it.
void RegFileWriter::writeSection(const RegistryKey& key, SourceOffset offset,
                                 const RegFileSource& source) {
    const std::string_view text = source.text;
    RegFileLines lines(text, offset);
    RegFileLine line;
    lines.next(&line);
    out_.append(text, line.begin, line.end - line.begin);
    size_t gap = std::string_view::npos; // start of the blank lines and comments not yet written
    size_t end = text.size();
    std::string name;
    while (lines.next(&line)) {
        if (line.isKey()) {
            end = line.begin;
            break;
        }
        if (line.isBlankOrComment()) {
            if (gap == std::string_view::npos)
                gap = line.begin;
            continue;
        }
        if (gap != std::string_view::npos)
            out_.append(text, gap, line.begin - gap);
        gap = std::string_view::npos;
        size_t used = 0;
        const RegistryValue* value = nullptr;
        if (line.first.front() == '@')
            value = key.value("");
        else if (parseQuoted(line.first, &name, &used))
            value = key.value(name);
        if (!value || value->line() != line.begin)
            continue; // deleted, or set again by an earlier line
        if (value->edited())
            writeValue(*value);
        else
            out_.append(text, line.begin, line.end - line.begin);
    }
    if (offset == key.lastSection())
        for (const RegistryValue& value : key.values())
            if (value.line() == kNotFromFile)
                writeValue(value);
    if (gap != std::string_view::npos)
        out_.append(text, gap, end - gap);
}

// Keys that no key line of the file holds (every key, without a file), each with a key line of
// its own.
void RegFileWriter::writeNewKeys(const RegistryTree& tree) {
    const bool fromFile = tree.source() != nullptr;
    tree.forEachKey([&](const RegistryKey& key, std::string_view path) {
        if ((fromFile && key.hasSections()) || !needsSection(key, path))
            return;
        startLine();
        if (!endsWithBlankLine())
            out_ += lineEnd_;
        out_ += '[';
        out_ += path;
        out_ += ']';
        out_ += lineEnd_;
        for (const RegistryValue& value : key.values())
            writeValue(value);
    });
}

// Ends the last line written when it has no line end (the file's last line may have none).
void RegFileWriter::startLine() {
    if (!out_.empty() && out_.back() != '\n')
        out_ += lineEnd_;
}

// The text so far ends with an empty line (or is empty).
bool RegFileWriter::endsWithBlankLine() const {
    std::string_view text = out_;
    if (text.empty())
        return true;
    if (text.back() != '\n')
        return false;
    text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    return !text.empty() && text.back() == '\n';
}

void RegFileWriter::writeValue(const RegistryValue& value) {
    startLine();
    std::string line = value.name.empty() ? "@=" : quote(value.name) + "=";
    if (isPlainText(value)) {
        out_ += line + quote(std::string(value.data.begin(), value.data.end() - 1));
        out_ += lineEnd_;
    } else if (value.type == 4 && value.data.size() == 4) {
        const ValueBytes& d = value.data;
        char dword[16];
        std::snprintf(dword, sizeof dword, "dword:%02x%02x%02x%02x", d[3], d[2], d[1], d[0]);
        out_ += line + dword;
        out_ += lineEnd_;
    } else if (value.type == 3) {
        writeHex(line + "hex:", value.data.toVector());
    } else {
        char prefix[24];
        std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
        writeHex(line + prefix, version5_ && isStringType(value.type)
                                    ? bytesToUtf16(value.data.toVector())
                                    : value.data.toVector());
    }
}

// Bytes as "xx," pairs, lines continued with a backslash when they grow past the width.
void RegFileWriter::writeHex(std::string line, const std::vector<BYTE>& data) {
    size_t onLine = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        char piece[4];
        std::snprintf(piece, sizeof piece, i + 1 < data.size() ? "%02x," : "%02x", data[i]);
        if (onLine > 0 && line.size() + 3 > kHexLineWidth) {
            out_ += line + "\\";
            out_ += lineEnd_;
            line = "  ";
            onLine = 0;
        }
        line += piece;
        ++onLine;
    }
    out_ += line;
    out_ += lineEnd_;
}

} // namespace portable::registry
