#include "table_registry.h"

#include "interchange_table.h"

#include <cstdio>
#include <set>

namespace interchange {

namespace {

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

std::string describeData(DWORD type, const std::vector<BYTE>& data) {
    char head[48];
    std::snprintf(head, sizeof head, "type %lu, %zu bytes:", static_cast<unsigned long>(type),
                  data.size());
    std::string out = head;
    for (BYTE b : data) {
        char piece[4];
        std::snprintf(piece, sizeof piece, " %02x", b);
        out += piece;
    }
    return out;
}

bool fail(std::string* error, const std::string& call, const std::string& what, LONG status) {
    *error = call + " " + what + " failed with " + std::to_string(status);
    return false;
}

// The names the registry lists under an open key: subkeys (values == false) or values.
std::set<std::string> enumerate(HKEY key, bool values) {
    std::set<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD size = sizeof name;
        LONG status =
            values ? RegEnumValueA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr)
                   : RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA)
            names.insert("(a name of more than 255 characters)");
        else if (status != ERROR_SUCCESS)
            return names;
        else
            names.insert(std::string(name, size));
    }
}

// The table's direct children of a key and its value names.
std::set<std::string> tableChildren(const std::string& path) {
    std::set<std::string> names;
    std::string prefix = path.empty() ? "" : path + "\\";
    for (const TableKey& key : tableKeys()) {
        if (key.path.empty() || key.path.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::string rest = key.path.substr(prefix.size());
        if (rest.find('\\') == std::string::npos)
            names.insert(rest);
    }
    return names;
}

std::set<std::string> tableValueNames(const std::string& path) {
    std::set<std::string> names;
    for (const TableValue& value : tableValues())
        if (value.key == path)
            names.insert(value.name);
    return names;
}

void compareValue(HKEY key, const TableValue& expected, std::vector<std::string>* differences) {
    std::string where = quoted(fullKeyPath(expected.key)) + " value " + quoted(expected.name);
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, expected.name.c_str(), nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) {
        differences->push_back(where + ": missing (status " + std::to_string(status) + ")");
        return;
    }
    std::vector<BYTE> data(size + 1);
    status = RegQueryValueExA(key, expected.name.c_str(), nullptr, &type, data.data(), &size);
    data.resize(size);
    if (status != ERROR_SUCCESS) {
        differences->push_back(where + ": unreadable (status " + std::to_string(status) + ")");
        return;
    }
    if (type != expected.type || data != expected.data)
        differences->push_back(where + ": expected " + describeData(expected.type, expected.data) +
                               "; found " + describeData(type, data));
}

void compareKey(const TableKey& tableKey, Source source, std::vector<std::string>* differences) {
    std::string path = fullKeyPath(tableKey.path);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        differences->push_back(quoted(path) + ": key missing");
        return;
    }
    for (const TableValue& value : tableValues())
        if (value.key == tableKey.path && (value.exported || source == Source::Written))
            compareValue(key, value, differences);
    for (const std::string& name : enumerate(key, true))
        if (tableValueNames(tableKey.path).count(name) == 0)
            differences->push_back(quoted(path) + ": extra value " + quoted(name));
    for (const std::string& name : enumerate(key, false))
        if (tableChildren(tableKey.path).count(name) == 0)
            differences->push_back(quoted(path) + ": extra key " + quoted(name));
    RegCloseKey(key);
}

} // namespace

bool writeTable(std::string* error) {
    LONG status = RegDeleteTreeA(HKEY_CURRENT_USER, kRootKey);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        return fail(error, "RegDeleteTreeA", kRootKey, status);
    for (const TableKey& tableKey : tableKeys()) {
        std::string path = fullKeyPath(tableKey.path);
        HKEY key = nullptr;
        status = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                 nullptr, &key, nullptr);
        if (status != ERROR_SUCCESS)
            return fail(error, "RegCreateKeyExA", path, status);
        for (const TableValue& value : tableValues()) {
            if (value.key != tableKey.path)
                continue;
            status = RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(),
                                    static_cast<DWORD>(value.data.size()));
            if (status != ERROR_SUCCESS) {
                RegCloseKey(key);
                return fail(error, "RegSetValueExA", quoted(value.name), status);
            }
        }
        RegCloseKey(key);
    }
    status = RegFlushKey(HKEY_CURRENT_USER);
    return status == ERROR_SUCCESS || fail(error, "RegFlushKey", "HKEY_CURRENT_USER", status);
}

std::vector<std::string> compareWithTable(Source source) {
    std::vector<std::string> differences;
    for (const TableKey& key : tableKeys())
        compareKey(key, source, &differences);
    return differences;
}

} // namespace interchange
