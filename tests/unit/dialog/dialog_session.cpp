#include "dialog_session.h"

#include "entry/entry_point.h"
#include "params/parameters_key.h"
#include "resources/resource.h"
#include "scenario/person/message_box_watch.h"
#include "scenario/person/thread_windows.h"

#include <cstring>

namespace {

DialogSession* running = nullptr;
const int tickLimit = 500;

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
    scenario::ThreadWindows found = scenario::findThreadWindows();
    if (found.messageBox != nullptr) {
        messages_.push_back(scenario::readMessageBox(found.messageBox));
        scenario::answerMessageBox(found.messageBox);
        return;
    }
    // A message box disables the dialog before it shows itself: wait for it.
    if (found.propertiesDialog == nullptr || !IsWindowEnabled(found.propertiesDialog))
        return;
    dialogSeen_ = true;
    if (next_ < actions_.size())
        actions_[next_++](found.propertiesDialog);
    else if (++ticks_ > tickLimit) // a script that leaves the dialog open must not hang
        PostMessageA(found.propertiesDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
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
