#include "ThreadWindows.h"

#include "DialogIds.h"
#include "WindowReading.h"

namespace scenario {

namespace {

BOOL CALLBACK collect(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<ThreadWindows*>(param);
    if (!IsWindowVisible(window) || className(window) != "#32770") {
        return TRUE;
    }
    if (GetDlgItem(window, kPropertyList) != nullptr) {
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
