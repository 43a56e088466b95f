#include "RegFileReader.h"

#include "TextEncoding.h"

#include <cstdio>

namespace portable::registry {

namespace {

constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.emplace_back(text, start, end - start);
        start = end + 1;
    }
    return lines;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Parses 1 to maxDigits hex digits that make up the whole of text.
bool parseHex(std::string_view text, size_t maxDigits, uint32_t* out) {
    if (text.empty() || text.size() > maxDigits)
        return false;
    uint32_t value = 0;
    for (char c : text) {
        int digit = hexDigit(c);
        if (digit < 0)
            return false;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    *out = value;
    return true;
}

// Reads a quoted string with \\ \" \n \r escapes from text[0] == '"'; *used: characters taken.
bool parseQuoted(std::string_view text, std::string* out, size_t* used) {
    out->clear();
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            *used = i + 1;
            return true;
        }
        if (c == '\\') {
            if (++i == text.size())
                return false;
            switch (text[i]) {
            case '\\':
                c = '\\';
                break;
            case '"':
                c = '"';
                break;
            case 'n':
                c = '\n';
                break;
            case 'r':
                c = '\r';
                break;
            default:
                return false;
            }
        }
        out->push_back(c);
    }
    return false;
}

bool isStringType(DWORD type) {
    return type == 1 || type == 2 || type == 7;
}

} // namespace

bool RegFileReader::fail(int line, std::string message) {
    errorLine_ = line;
    errorMessage_ = std::move(message);
    return false;
}

bool RegFileReader::read(std::string_view text, RegistryTree* tree) {
    lines_ = splitLines(decodeFileText(text));
    bool headerSeen = false;
    for (line_ = 0; line_ < lines_.size(); ++line_) {
        const int number = static_cast<int>(line_) + 1;
        std::string_view line = trimRight(trimLeft(lines_[line_]));
        if (line.empty() || line.front() == ';')
            continue;
        if (!headerSeen) {
            if (!readHeader(line, number))
                return false;
            headerSeen = true;
        } else if (line.front() == '[') {
            if (!readSection(line, number, tree))
                return false;
        } else if (!readValue(line, number)) {
            return false;
        }
    }
    return true;
}

bool RegFileReader::readHeader(std::string_view line, int number) {
    if (line == kHeader4)
        return true;
    if (line == kHeader5) {
        unicode_ = true;
        return true;
    }
    return fail(number, "expected the header \"REGEDIT4\"");
}

bool RegFileReader::readSection(std::string_view line, int number, RegistryTree* tree) {
    if (line.back() != ']')
        return fail(number, "a key line must end with ']'");
    std::string_view path = line.substr(1, line.size() - 2);
    if (!path.empty() && path.front() == '-')
        return fail(number, "deleting keys is not supported");
    KeyPath key;
    size_t slash = path.find('\\');
    key.root = rootIndex(path.substr(0, slash));
    if (key.root < 0)
        return fail(number, "unknown root key");
    while (slash != std::string_view::npos) {
        path.remove_prefix(slash + 1);
        slash = path.find('\\');
        std::string_view name = path.substr(0, slash);
        if (name.empty())
            return fail(number, "empty key name in the path");
        key.names.emplace_back(name);
    }
    section_ = &tree->ensure(key);
    return true;
}

bool RegFileReader::readValue(std::string_view line, int number) {
    if (!section_)
        return fail(number, "a value before the first key");
    std::string name;
    size_t used = 1;
    if (line.front() == '"') {
        if (!parseQuoted(line, &name, &used))
            return fail(number, "bad value name");
    } else if (line.front() != '@') {
        return fail(number, "expected \"name\"= or @=");
    }
    std::string_view rest = trimLeft(line.substr(used));
    if (rest.empty() || rest.front() != '=')
        return fail(number, "expected '=' after the name");
    std::string data = joinContinuations(trimLeft(rest.substr(1)));
    DWORD type = 0;
    std::vector<BYTE> bytes;
    if (!readData(data, number, &type, &bytes))
        return false;
    section_->setValue(name, type, std::move(bytes));
    return true;
}

std::string RegFileReader::joinContinuations(std::string_view first) {
    std::string joined(trimRight(first));
    if (joined.compare(0, 3, "hex") != 0)
        return joined;
    while (!joined.empty() && joined.back() == '\\' && line_ + 1 < lines_.size()) {
        joined.pop_back();
        joined += trimRight(trimLeft(lines_[++line_]));
    }
    return joined;
}

bool RegFileReader::readData(std::string_view text, int number, DWORD* type,
                             std::vector<BYTE>* data) {
    if (!text.empty() && text.front() == '"') {
        std::string value;
        size_t used = 0;
        if (!parseQuoted(text, &value, &used) || !trimLeft(text.substr(used)).empty())
            return fail(number, "bad string value");
        *type = 1;
        data->assign(value.begin(), value.end());
        data->push_back(0);
        return true;
    }
    if (text.compare(0, 6, "dword:") == 0) {
        uint32_t value = 0;
        if (!parseHex(text.substr(6), 8, &value))
            return fail(number, "bad dword value");
        *type = 4;
        for (int i = 0; i < 4; ++i)
            data->push_back(static_cast<BYTE>(value >> (8 * i)));
        return true;
    }
    if (text.compare(0, 4, "hex:") == 0) {
        *type = 3;
        return readHexList(text.substr(4), number, data);
    }
    if (text.compare(0, 4, "hex(") == 0) {
        size_t close = text.find("):");
        uint32_t value = 0;
        if (close == std::string_view::npos || !parseHex(text.substr(4, close - 4), 8, &value))
            return fail(number, "bad hex(type): prefix");
        *type = value;
        if (!readHexList(text.substr(close + 2), number, data))
            return false;
        if (unicode_ && isStringType(*type))
            *data = utf16ToBytes(*data);
        return true;
    }
    if (text == "-")
        return fail(number, "deleting values is not supported");
    return fail(number, "unknown value data");
}

bool RegFileReader::readHexList(std::string_view text, int number, std::vector<BYTE>* data) {
    text = trimRight(trimLeft(text));
    while (!text.empty()) {
        size_t comma = text.find(',');
        uint32_t byte = 0;
        if (!parseHex(trimRight(trimLeft(text.substr(0, comma))), 2, &byte))
            return fail(number, "bad hex byte");
        data->push_back(static_cast<BYTE>(byte));
        if (comma == std::string_view::npos)
            break;
        text = trimLeft(text.substr(comma + 1));
    }
    return true;
}

} // namespace portable::registry
