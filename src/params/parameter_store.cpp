#include "params/parameter_store.h"

#include "params/parameters_key.h"

#include <cstring>

namespace {

// Appends `text` to the NUL-terminated `names` in a buffer of `size` bytes, cut to fit.
void appendText(char* names, size_t size, const char* text) {
    size_t used = std::strlen(names);
    size_t count = std::strlen(text);
    if (count > size - 1 - used)
        count = size - 1 - used;
    std::memcpy(names + used, text, count);
    names[used + count] = '\0';
}

void appendName(char* names, size_t size, const char* name) {
    if (names[0] != '\0')
        appendText(names, size, ", ");
    appendText(names, size, name);
}

} // namespace

ParameterStore::ParameterStore(const char* serviceName)
    : keyPath_(parametersKeyPath(serviceName)) {}

// A key path that ran out of memory is incomplete: it is never opened, since what it names could
// be another key.
LONG ParameterStore::OpenForReading() {
    Close();
    return keyPath_.failed() ? ERROR_OUTOFMEMORY
                             : RegOpenKeyA(HKEY_LOCAL_MACHINE, keyPath_.c_str(), &key_);
}

LONG ParameterStore::OpenForWriting() {
    Close();
    return keyPath_.failed()
               ? ERROR_OUTOFMEMORY
               : RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath_.c_str(), 0, KEY_ALL_ACCESS, &key_);
}

void ParameterStore::Close() {
    if (key_ != nullptr)
        RegCloseKey(key_);
    key_ = nullptr;
}

void ParameterStore::Read(PropertyValues& values) const {
    for (size_t i = 0; i < kPropertyCount; ++i) {
        PropertyId id = PropertyCatalogue::storageOrder()[i];
        // Whatever the value's type, its bytes are taken as text; longer data does not read.
        char data[ValueText::kCapacity];
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

bool ParameterStore::Write(const PropertyValues& values, char* failedNames, size_t size) {
    failedNames[0] = '\0';
    bool saved = true;
    for (size_t i = 0; i < kPropertyCount; ++i) {
        PropertyId id = PropertyCatalogue::storageOrder()[i];
        if (!WriteValue(values, id)) {
            appendName(failedNames, size, PropertyCatalogue::row(id).valueName);
            saved = false;
        }
    }
    // Without the flush nothing written is known to last: every value counts as unsaved.
    if (Flush() != ERROR_SUCCESS) {
        failedNames[0] = '\0';
        for (size_t i = 0; i < kPropertyCount; ++i)
            appendName(failedNames, size,
                       PropertyCatalogue::row(PropertyCatalogue::storageOrder()[i]).valueName);
        saved = false;
    }
    Close();
    return saved;
}
