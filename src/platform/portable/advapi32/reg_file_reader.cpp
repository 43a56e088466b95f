#include "platform/portable/advapi32/reg_file_reader.h"

#include "platform/portable/advapi32/text_encoding.h"

#include <algorithm>
#include <cstdint>

namespace portable::registry {

namespace {

constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Parses minDigits to maxDigits hex digits that make up the whole of text.
bool parseHex(std::string_view text, size_t minDigits, size_t maxDigits, uint32_t* out) {
    if (text.size() < minDigits || text.size() > maxDigits)
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

bool isStringType(DWORD type) {
    return type == 1 || type == 2 || type == 7;
}

// The line end of the text's first line, or CRLF when it has none.
std::string lineEndOf(std::string_view text) {
    size_t end = text.find('\n');
    if (end != std::string_view::npos && (end == 0 || text[end - 1] != '\r'))
        return "\n";
    return "\r\n";
}

} // namespace

bool RegFileReader::fail(int line, std::string message) {
    errorLine_ = line;
    errorMessage_ = std::move(message);
    return false;
}

bool RegFileReader::read(std::string_view bytes, RegistryTree* tree) {
    return readText(decodeFileText(bytes), tree);
}

bool RegFileReader::read(std::string&& bytes, RegistryTree* tree) {
    return readText(decodeFileText(std::move(bytes)), tree);
}

bool RegFileReader::readText(DecodedText decoded, RegistryTree* tree) {
    source_ = std::make_shared<RegFileSource>();
    source_->text = std::move(decoded.text);
    if (source_->text.capacity() > source_->text.size() + source_->text.size() / 8)
        source_->text.shrink_to_fit(); // kept for as long as the tree: no room to spare
    source_->encoding = decoded.encoding;
    source_->lineEnd = lineEndOf(source_->text);
    const std::string_view text = source_->text;
    if (text.size() >= kNotFromFile)
        return fail(1, "the file is too large");
    RegFileLines lines(text);
    RegFileLine line;
    bool headerSeen = false;
    while (lines.next(&line)) {
        if (line.isBlankOrComment())
            continue;
        bool ok = !headerSeen    ? readHeader(line)
                  : line.isKey() ? readSection(line, tree)
                                 : readValue(line, lines);
        if (!ok)
            return false;
        headerSeen = true;
    }
    if (decoded.cutCharacter)
        return fail(1 + static_cast<int>(std::count(text.begin(), text.end(), '\n')),
                    "the file ends in the middle of a character");
    if (section_)
        section_->shrinkToFit();
    if (headerSeen) // a file of blank lines and comments at most is written as a new one
        tree->setSource(std::move(source_));
    return true;
}

bool RegFileReader::readHeader(const RegFileLine& line) {
    if (line.first == kHeader4)
        return true;
    if (line.first == kHeader5) {
        source_->version5 = true;
        return true;
    }
    return fail(line.number, "expected the header \"REGEDIT4\"");
}

bool RegFileReader::readSection(const RegFileLine& line, RegistryTree* tree) {
    std::string_view text = line.first;
    if (text.back() != ']')
        return fail(line.number, "a key line must end with ']'");
    std::string_view path = text.substr(1, text.size() - 2);
    if (!path.empty() && path.front() == '-')
        return fail(line.number, "deleting keys is not supported");
    size_t slash = path.find('\\');
    int root = rootIndex(path.substr(0, slash));
    if (root < 0)
        return fail(line.number, "unknown root key");
    RegistryKey* key = &tree->root(root);
    while (slash != std::string_view::npos) {
        path.remove_prefix(slash + 1);
        slash = path.find('\\');
        std::string_view name = path.substr(0, slash);
        if (name.empty())
            return fail(line.number, "empty key name in the path");
        key = &key->ensureChild(name);
    }
    if (source_->firstKey == std::string::npos)
        source_->firstKey = line.begin;
    key->addSection(static_cast<SourceOffset>(line.begin));
    if (section_)
        section_->shrinkToFit();
    section_ = key;
    return true;
}

bool RegFileReader::readValue(const RegFileLine& line, const RegFileLines& lines) {
    const int number = line.number;
    if (!section_)
        return fail(number, "a value before the first key");
    std::string joined;
    std::string_view text = line.first;
    if (line.continued) {
        joined = lines.joined(line);
        text = joined;
    }
    std::string name;
    size_t used = 1;
    if (text.front() == '"') {
        if (!parseQuoted(text, &name, &used))
            return fail(number, "bad value name");
    } else if (text.front() != '@') {
        return fail(number, "expected \"name\"= or @=");
    }
    std::string_view rest = trimLeft(text.substr(used));
    if (rest.empty() || rest.front() != '=')
        return fail(number, "expected '=' after the name");
    DWORD type = 0;
    std::vector<BYTE> bytes;
    if (!readData(trimLeft(rest.substr(1)), number, &type, &bytes))
        return false;
    section_->setValueFromFile(name, type, std::move(bytes), static_cast<SourceOffset>(line.begin));
    return true;
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
        if (!parseHex(text.substr(6), 1, 8, &value))
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
        if (close == std::string_view::npos || !parseHex(text.substr(4, close - 4), 1, 8, &value))
            return fail(number, "bad hex(type): prefix");
        *type = value;
        if (!readHexList(text.substr(close + 2), number, data))
            return false;
        if (source_->version5 && isStringType(*type)) {
            if (data->size() % 2)
                return fail(number, "text data of an odd length in a Unicode file");
            *data = utf16ToBytes(*data);
        }
        return true;
    }
    if (text == "-")
        return fail(number, "deleting values is not supported");
    return fail(number, "unknown value data");
}

// Bytes as two hex digits each, separated by commas; a list cut short (an odd digit, a comma
// with nothing after it) is refused.
bool RegFileReader::readHexList(std::string_view text, int number, std::vector<BYTE>* data) {
    text = trim(text);
    if (text.empty())
        return true;
    for (;;) {
        size_t comma = text.find(',');
        uint32_t byte = 0;
        if (!parseHex(trim(text.substr(0, comma)), 2, 2, &byte))
            return fail(number, comma == std::string_view::npos && text.size() < 2
                                    ? "a hex list cut short"
                                    : "bad hex byte");
        data->push_back(static_cast<BYTE>(byte));
        if (comma == std::string_view::npos)
            return true;
        text = trimLeft(text.substr(comma + 1));
    }
}

} // namespace portable::registry
