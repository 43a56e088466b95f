#include "value_snapshot.h"

#include <algorithm>
#include <cstring>

namespace quorlan_params {

namespace {

// The size asked first may grow before the data is read: ask again then.
LONG readValue(HKEY key, const std::string& name, DWORD* type, std::vector<BYTE>* data) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = 0;
        LONG status = RegQueryValueExA(key, name.c_str(), nullptr, type, nullptr, &size);
        if (status != ERROR_SUCCESS)
            return status;
        data->resize(size);
        status = RegQueryValueExA(key, name.c_str(), nullptr, type, data->data(), &size);
        if (status != ERROR_MORE_DATA) {
            data->resize(status == ERROR_SUCCESS ? size : 0);
            return status;
        }
    }
    return ERROR_MORE_DATA;
}

} // namespace

bool ValueSnapshot::take(HKEY key, const std::vector<std::string>& names) {
    values_.clear();
    for (const std::string& name : names) {
        Value value{name, true, REG_NONE, {}};
        LONG status = readValue(key, name, &value.type, &value.data);
        if (status == ERROR_FILE_NOT_FOUND)
            value.existed = false;
        else if (status != ERROR_SUCCESS)
            return false;
        values_.push_back(std::move(value));
    }
    return true;
}

bool ValueSnapshot::holdsText(const std::string& name, const char* text) const {
    for (const Value& value : values_) {
        if (value.name != name)
            continue;
        if (text == nullptr || !value.existed)
            return text == nullptr && !value.existed;
        const size_t length = std::strlen(text) + 1;
        return value.type == REG_SZ && value.data.size() == length &&
               std::memcmp(value.data.data(), text, length) == 0;
    }
    return false;
}

bool ValueSnapshot::restore(HKEY key, const std::vector<std::string>& names) const {
    bool restored = true;
    for (const Value& value : values_) {
        if (std::find(names.begin(), names.end(), value.name) == names.end())
            continue;
        LONG status = value.existed
                          ? RegSetValueExA(key, value.name.c_str(), 0, value.type,
                                           value.data.data(), static_cast<DWORD>(value.data.size()))
                          : RegDeleteValueA(key, value.name.c_str());
        restored = restored && (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND);
    }
    return restored;
}

} // namespace quorlan_params
