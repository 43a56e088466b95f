#include "dialog_session.h"

#include "params/parameters_key.h"
#include "resources/resource.h"

#include <cstring>

void DialogSession::click(int id) {
    then([id](HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    });
}

bool DialogSession::playNext(HWND dialog) {
    if (next_ < actions_.size())
        actions_[next_++](dialog);
    return next_ < actions_.size();
}

BOOL DialogSession::call(DWORD argc, LPSTR* argv, LPSTR* textOut) {
    BOOL result = robot_.call(argc, argv, textOut);
    if (textOut != nullptr)
        resultText_ = *textOut;
    return result;
}

BOOL DialogSession::callFor(const char* service) {
    std::string name(service);
    LPSTR argv[] = {&name[0]};
    LPSTR text = nullptr;
    return call(1, argv, &text);
}

void resetService(const char* service, bool withParameters,
                  const std::vector<RegistryValue>& values) {
    std::string serviceKey = std::string("System\\CurrentControlSet\\Services\\") + service;
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, serviceKey.c_str());
    HKEY key = nullptr;
    std::string path = withParameters ? parametersKeyPath(service).c_str() : serviceKey;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    for (const RegistryValue& value : values)
        RegSetValueExA(key, value.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.text),
                       static_cast<DWORD>(std::strlen(value.text) + 1));
    RegCloseKey(key);
}

bool readValue(const char* service, const char* name, std::string* text, DWORD* type) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, parametersKeyPath(service).c_str(), &key) != ERROR_SUCCESS)
        return false;
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    LONG status = RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<LPBYTE>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return false;
    text->assign(data, strnlen(data, size));
    return true;
}
