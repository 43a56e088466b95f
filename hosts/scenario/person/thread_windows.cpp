#include "thread_windows.h"

#include "dialog_ids.h"

#include <cstring>

namespace scenario {

namespace {

// A name longer than the dialog class's is cut to the buffer and so never equals it.
bool isDialogClass(HWND window) {
    char name[8] = "";
    return GetClassNameA(window, name, static_cast<int>(sizeof name)) == 6 &&
           std::strcmp(name, "#32770") == 0;
}

BOOL CALLBACK collect(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<ThreadWindows*>(param);
    if (!IsWindowVisible(window) || !isDialogClass(window)) {
        return TRUE;
    }
    if (GetDlgItem(window, IDC_PROPERTY_LIST) != nullptr) {
        found->propertiesDialog = window;
    } else if (found->messageBox == nullptr) {
        found->messageBox = window; // windows come top first
    }
    return TRUE;
}

} // namespace

ThreadWindows findThreadWindows() {
    ThreadWindows found;
    EnumThreadWindows(GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace scenario
