#include "dialog_session.h"

#include "entry/entry_point.h"
#include "params/parameters_key.h"
#include "resources/resource.h"

#include <cstring>

namespace {

DialogSession* running = nullptr;
const int messageTextId = 0xFFFF; // the static that holds a message box's text
const int tickLimit = 500;

struct Found {
    HWND properties = nullptr;
    HWND messageBox = nullptr;
};

BOOL CALLBACK findWindows(HWND window, LPARAM lParam) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    Found* found = reinterpret_cast<Found*>(lParam);
    if (GetDlgItem(window, IDC_PROPERTY_LIST) != nullptr)
        found->properties = window;
    else
        found->messageBox = window;
    return TRUE;
}

std::string iconOf(HWND messageBox) {
    HICON icon = nullptr;
    for (HWND child = GetWindow(messageBox, GW_CHILD); child && !icon;
         child = GetWindow(child, GW_HWNDNEXT))
        icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    if (icon == LoadIconA(nullptr, IDI_HAND))
        return "hand";
    if (icon == LoadIconA(nullptr, IDI_EXCLAMATION))
        return "exclamation";
    return "other";
}

std::string windowText(HWND window) {
    char text[512] = {};
    if (window != nullptr)
        GetWindowTextA(window, text, sizeof text);
    return text;
}

} // namespace

void DialogSession::click(int id) {
    then([id](HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    });
}

void CALLBACK DialogSession::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (running != nullptr)
        running->tick();
}

void DialogSession::tick() {
    Found found;
    EnumThreadWindows(GetCurrentThreadId(), findWindows, reinterpret_cast<LPARAM>(&found));
    if (found.messageBox != nullptr) {
        messages_.push_back({windowText(GetDlgItem(found.messageBox, messageTextId)),
                             windowText(found.messageBox), iconOf(found.messageBox)});
        PostMessageA(found.messageBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return;
    }
    // A message box disables the dialog before it shows itself: wait for it.
    if (found.properties == nullptr || !IsWindowEnabled(found.properties))
        return;
    dialogSeen_ = true;
    if (next_ < actions_.size())
        actions_[next_++](found.properties);
    else if (++ticks_ > tickLimit) // a script that leaves the dialog open must not hang
        PostMessageA(found.properties, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

BOOL DialogSession::call(DWORD argc, LPSTR* argv, LPSTR* textOut) {
    running = this;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, onTimer);
    BOOL result = TVXConfigEntryPoint(argc, argv, textOut);
    KillTimer(nullptr, timer);
    running = nullptr;
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
