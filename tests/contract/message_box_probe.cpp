#include "message_box_probe.h"

namespace {

// The message box text is the static with id 0xFFFF on Windows and in Wine alike; the icon
// static's id differs (20 on Windows, 0x440 in Wine), so the icon is found by its style.
constexpr int kMessageTextId = 0xFFFF;

std::string classOf(HWND hwnd) {
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string textOf(HWND hwnd) {
    char text[1024] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

struct Search {
    HWND except;
    HWND found;
};

BOOL CALLBACK visit(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (hwnd == search->except || !IsWindowVisible(hwnd) || classOf(hwnd) != "#32770")
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND iconStatic(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON)
            return child;
    }
    return nullptr;
}

} // namespace

HWND findMessageBox(HWND except) {
    Search search = {except, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

MessageBoxView readMessageBox(HWND box) {
    MessageBoxView view;
    view.hwnd = box;
    view.owner = GetWindow(box, GW_OWNER);
    view.caption = textOf(box);
    view.text = textOf(GetDlgItem(box, kMessageTextId));
    if (HWND icon = iconStatic(box))
        view.icon = reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0));
    return view;
}

void answerMessageBox(HWND box, int buttonId) {
    SendMessageA(GetDlgItem(box, buttonId), BM_CLICK, 0, 0);
}
