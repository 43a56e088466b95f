#include "private_registry.h"

#include <cstdio>

namespace {

const char kScratchParent[] = "Software\\quorlan\\tvxhost";

std::string statusText(LONG status) {
    char text[16];
    std::snprintf(text, sizeof text, "%ld", status);
    return text;
}

} // namespace

PrivateRegistry::~PrivateRegistry() {
    close();
}

bool PrivateRegistry::open(std::string* error) {
    // One scratch key per process: two runs side by side never share one.
    char name[64];
    std::snprintf(name, sizeof name, "%s\\run-%lu-%lu", kScratchParent, GetCurrentProcessId(),
                  GetTickCount());
    path_ = name;
    DWORD disposition = 0;
    LONG status =
        RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &scratch_, &disposition);
    if (status != ERROR_SUCCESS || disposition != REG_CREATED_NEW_KEY) {
        // An existing key is someone else's: it is neither used nor removed.
        if (status == ERROR_SUCCESS)
            RegCloseKey(scratch_);
        scratch_ = nullptr;
        path_.clear();
        *error = "cannot make a scratch registry key (status " + statusText(status) + ")";
        return false;
    }
    status = RegOverridePredefKey(HKEY_LOCAL_MACHINE, scratch_);
    if (status != ERROR_SUCCESS) {
        close();
        *error = "cannot redirect HKEY_LOCAL_MACHINE (status " + statusText(status) + ")";
        return false;
    }
    redirected_ = true;
    return true;
}

void PrivateRegistry::close() {
    if (redirected_)
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    redirected_ = false;
    if (scratch_ != nullptr)
        RegCloseKey(scratch_);
    scratch_ = nullptr;
    if (!path_.empty()) {
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        // The parents go too once no run uses them (RegDeleteKeyA keeps a key with subkeys).
        RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\quorlan");
    }
    path_.clear();
}
