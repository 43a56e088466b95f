#include "wide_text_key.h"

#include <cstring>

namespace {
constexpr const char* kPath = "Software\\QuorlanWideTextContract";
} // namespace

WideTextKey::~WideTextKey() {
    if (key_)
        RegCloseKey(key_);
    RegDeleteTreeA(HKEY_CURRENT_USER, kPath);
}

bool WideTextKey::open(const std::vector<WideValue>& values) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kPath);
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr) != ERROR_SUCCESS)
        return false;
    for (const WideValue& value : values) {
        std::vector<WCHAR> name(value.name, value.name + std::strlen(value.name) + 1);
        if (RegSetValueExW(key_, name.data(), 0, value.type, value.utf16.data(),
                           static_cast<DWORD>(value.utf16.size())) != ERROR_SUCCESS)
            return false;
    }
    return true;
}
