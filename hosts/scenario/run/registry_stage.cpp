#include "registry_stage.h"

#include <algorithm>
#include <cstdio>

namespace scenario {

namespace {

const char kServicesPath[] = "System\\CurrentControlSet\\Services";

// Only a name that makes one plain key below Services may have its key deleted: an empty name,
// or one with empty parts, would name Services itself or a key of another service.
bool deletableName(const std::string& service) {
    return !service.empty() && service.front() != '\\' && service.back() != '\\' &&
           service.find("\\\\") == std::string::npos;
}

DWORD registryType(ValueType type) {
    switch (type) {
    case ValueType::kSz:
        return REG_SZ;
    case ValueType::kDword:
        return REG_DWORD;
    case ValueType::kBinary:
        return REG_BINARY;
    }
    return REG_NONE;
}

std::string status(const char* what, const std::string& path, LONG code) {
    return std::string(what) + " " + path + " failed with " + std::to_string(code);
}

bool createKey(const std::string& path, HKEY* key, std::string* error) {
    DWORD disposition = 0;
    LONG code = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, key, &disposition);
    if (code != ERROR_SUCCESS) {
        *error = status("creating", path, code);
        return false;
    }
    return true;
}

bool writeValues(const Scenario& scenario, std::string* error) {
    HKEY key = nullptr;
    if (!createKey(parametersKeyPath(scenario.service), &key, error)) {
        return false;
    }
    for (const SetupValue& value : scenario.values) {
        LONG code = RegSetValueExA(key, value.name.c_str(), 0, registryType(value.type),
                                   value.data.data(), static_cast<DWORD>(value.data.size()));
        if (code != ERROR_SUCCESS) {
            *error = status("setting", value.name, code);
            RegCloseKey(key);
            return false;
        }
    }
    RegCloseKey(key);
    return true;
}

// Reads value index of an open key, growing the buffers as the registry asks.
LONG enumValue(HKEY key, DWORD index, RegistryValue* value) {
    std::vector<char> name(256);
    value->data.assign(256, 0);
    for (;;) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataLength = static_cast<DWORD>(value->data.size());
        LONG code = RegEnumValueA(key, index, name.data(), &nameLength, nullptr, &value->type,
                                  value->data.data(), &dataLength);
        if (code == ERROR_MORE_DATA && name.size() < 65536) {
            name.resize(name.size() * 4);
            value->data.resize(std::max<size_t>(value->data.size() * 4, dataLength));
            continue;
        }
        if (code == ERROR_SUCCESS) {
            value->name.assign(name.data(), nameLength);
            value->data.resize(dataLength);
        }
        return code;
    }
}

} // namespace

std::string serviceKeyPath(const std::string& service) {
    return std::string(kServicesPath) + "\\" + service;
}

std::string parametersKeyPath(const std::string& service) {
    return serviceKeyPath(service) + "\\Parameters";
}

bool RegistryStage::prepare(const Scenario& scenario, std::string* error) const {
    const std::string service = serviceKeyPath(scenario.service);
    if (deletableName(scenario.service)) {
        const std::string target = rebuild_ ? service : parametersKeyPath(scenario.service);
        if (rebuild_ || !scenario.parametersKey) {
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, target.c_str());
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, target.c_str());
        }
    }
    HKEY key = nullptr;
    if (!createKey(service, &key, error)) {
        return false;
    }
    RegCloseKey(key);
    return !scenario.parametersKey || writeValues(scenario, error);
}

ParametersSnapshot RegistryStage::snapshot(const std::string& service) {
    ParametersSnapshot snap;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, parametersKeyPath(service).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return snap;
    }
    snap.exists = true;
    RegistryValue value;
    for (DWORD index = 0; enumValue(key, index, &value) == ERROR_SUCCESS; ++index) {
        snap.values.push_back(value);
    }
    RegCloseKey(key);
    return snap;
}

bool RegistryStage::readValue(const std::string& service, const std::string& name,
                              RegistryValue* value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, parametersKeyPath(service).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    DWORD size = 0;
    LONG code = RegQueryValueExA(key, name.c_str(), nullptr, &value->type, nullptr, &size);
    if (code == ERROR_SUCCESS) {
        value->data.assign(size, 0);
        code =
            RegQueryValueExA(key, name.c_str(), nullptr, &value->type, value->data.data(), &size);
        value->data.resize(size);
    }
    RegCloseKey(key);
    value->name = name;
    return code == ERROR_SUCCESS;
}

std::string describeValue(const RegistryValue& value) {
    const std::vector<unsigned char>& data = value.data;
    if (value.type == REG_SZ && !data.empty() && data.back() == 0) {
        std::string text(data.begin(), data.end() - 1);
        if (text.find('\0') == std::string::npos) {
            return "sz \"" + text + "\"";
        }
    }
    if (value.type == REG_DWORD && data.size() == 4) {
        unsigned long number = data[0] | (data[1] << 8) | (data[2] << 16) |
                               (static_cast<unsigned long>(data[3]) << 24);
        return "dword " + std::to_string(number);
    }
    std::string text =
        "type " + std::to_string(value.type) + ", " + std::to_string(data.size()) + " bytes";
    for (size_t i = 0; i < data.size() && i < 32; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", data[i]);
        text += hex;
    }
    return data.size() > 32 ? text + " ..." : text;
}

} // namespace scenario
