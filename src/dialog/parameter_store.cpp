#include "dialog/parameter_store.h"

#include "params/parameters_key.h"

namespace {

void appendName(std::string& names, const char* name) {
    if (!names.empty())
        names += ", ";
    names += name;
}

} // namespace

ParameterStore::ParameterStore(const char* serviceName)
    : keyPath_(parametersKeyPath(serviceName)) {}

LONG ParameterStore::OpenForReading() {
    Close();
    return RegOpenKeyA(HKEY_LOCAL_MACHINE, keyPath_.c_str(), &key_);
}

LONG ParameterStore::OpenForWriting() {
    Close();
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath_.c_str(), 0, KEY_ALL_ACCESS, &key_);
}

void ParameterStore::Close() {
    if (key_ != nullptr)
        RegCloseKey(key_);
    key_ = nullptr;
}

void ParameterStore::Read(PropertyValues& values) const {
    for (size_t i = 0; i < PropertyCount; ++i) {
        PropertyId id = PropertyCatalogue::storageOrder()[i];
        // Whatever the value's type, its bytes are taken as text; longer data does not read.
        char data[ValueText::Capacity];
        DWORD size = sizeof data;
        LONG status = RegQueryValueExA(key_, PropertyCatalogue::row(id).valueName, nullptr, nullptr,
                                       reinterpret_cast<LPBYTE>(data), &size);
        if (status == ERROR_SUCCESS)
            values.storeRead(id, data, size < sizeof data ? size : sizeof data);
        else
            values.storeUnread(id);
    }
}

bool ParameterStore::WriteValue(const PropertyValues& values, PropertyId id) const {
    const char* name = PropertyCatalogue::row(id).valueName;
    if (values.storedIsAbsent(id)) {
        LONG status = RegDeleteValueA(key_, name);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND; // already gone
    }
    const ValueText& text = values.stored(id);
    DWORD length = static_cast<DWORD>(text.length() + 1); // the terminator is counted
    return RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          length) == ERROR_SUCCESS;
}

std::string ParameterStore::Write(const PropertyValues& values) {
    std::string failed;
    for (size_t i = 0; i < PropertyCount; ++i) {
        PropertyId id = PropertyCatalogue::storageOrder()[i];
        if (!WriteValue(values, id))
            appendName(failed, PropertyCatalogue::row(id).valueName);
    }
    // Without the flush nothing written is known to last: every value counts as unsaved.
    if (RegFlushKey(key_) != ERROR_SUCCESS) {
        failed.clear();
        for (size_t i = 0; i < PropertyCount; ++i)
            appendName(failed,
                       PropertyCatalogue::row(PropertyCatalogue::storageOrder()[i]).valueName);
    }
    Close();
    return failed;
}
