#include "interchange_table.h"

namespace interchange {

namespace {

std::vector<BYTE> text(const std::string& s) {
    std::vector<BYTE> bytes(s.begin(), s.end());
    bytes.push_back(0);
    return bytes;
}

// Strings separated by NULs, closed by an empty string.
std::vector<BYTE> multiText(const std::vector<std::string>& strings) {
    std::vector<BYTE> bytes;
    for (const std::string& s : strings) {
        bytes.insert(bytes.end(), s.begin(), s.end());
        bytes.push_back(0);
    }
    bytes.push_back(0);
    return bytes;
}

std::vector<BYTE> littleEndian(unsigned long long value, int size) {
    std::vector<BYTE> bytes;
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
    return bytes;
}

// Every byte value once: 256 bytes run over several continued hex lines.
std::vector<BYTE> allBytes() {
    std::vector<BYTE> bytes;
    for (int i = 0; i < 256; ++i)
        bytes.push_back(static_cast<BYTE>(i));
    return bytes;
}

} // namespace

const std::vector<TableKey>& tableKeys() {
    static const std::vector<TableKey> keys = {
        {""}, {"Texts"}, {"Numbers"}, {"Numbers\\Deeper Key"}, {"No Values"}};
    return keys;
}

const std::vector<TableValue>& tableValues() {
    static const std::vector<TableValue> values = {
        {"", "", REG_SZ, text("default value of the root")},
        {"", "DriverDesc", REG_SZ, text("Veloxa 10/100 PCI Adapter")},
        {"Texts", "", REG_SZ, text("")},
        {"Texts", "Empty", REG_SZ, text("")},
        {"Texts", "Quotes \"and\" \\ back=slash", REG_SZ, text("C:\\Path\\\"quoted\" = \\\\x")},
        {"Texts", "Line breaks", REG_SZ, text("line one\r\nline two\nend")},
        {"Texts", "Long", REG_SZ, text(std::string(300, 'x') + "end")},
        {"Texts", "Expandable", REG_EXPAND_SZ, text("%SystemRoot%\\system32;%PATH%")},
        {"Texts", "Several", REG_MULTI_SZ, multiText({"one", "two words", "", "three"})},
        {"Texts", "Only the end", REG_MULTI_SZ, multiText({})},
        {"Numbers", "Zero", REG_DWORD, littleEndian(0, 4)},
        {"Numbers", "Word", REG_DWORD, littleEndian(0x12345678, 4)},
        {"Numbers", "All ones", REG_DWORD, littleEndian(0xFFFFFFFF, 4)},
        {"Numbers", "Short dword", REG_DWORD, littleEndian(0xBEEF, 2), false},
        {"Numbers", "Big endian", REG_DWORD_BIG_ENDIAN, {0x01, 0x02, 0x03, 0x04}},
        {"Numbers", "Quad", REG_QWORD, littleEndian(0x0123456789ABCDEFull, 8)},
        {"Numbers\\Deeper Key", "Bytes", REG_BINARY, allBytes()},
        {"Numbers\\Deeper Key", "No bytes", REG_BINARY, {}},
        {"Numbers\\Deeper Key", "None", REG_NONE, {0xDE, 0xAD}},
        {"Numbers\\Deeper Key", "None empty", REG_NONE, {}},
        {"Numbers\\Deeper Key", "Other type", 0x2A, {0x10, 0x20, 0x30}},
    };
    return values;
}

std::string fullKeyPath(const std::string& path) {
    return path.empty() ? kRootKey : std::string(kRootKey) + "\\" + path;
}

} // namespace interchange
