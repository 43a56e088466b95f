#include "message_box_watch.h"

#include "dialog_ids.h"
#include "window_reading.h"

namespace scenario {

namespace {

struct ChildSearch {
    unsigned id;
    HWND found;
};

BOOL CALLBACK findChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (controlId(child) == search->id) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

// GetDlgItem cannot be trusted with 0xFFFF, which is also the id of every unnamed static.
HWND childWithId(HWND parent, unsigned id) {
    ChildSearch search = {id, nullptr};
    EnumChildWindows(parent, findChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string iconName(HWND iconStatic) {
    if (iconStatic == nullptr) {
        return "none";
    }
    HICON icon = reinterpret_cast<HICON>(SendMessageA(iconStatic, STM_GETICON, 0, 0));
    if (icon == nullptr) {
        return "none";
    }
    struct Known {
        LPCSTR id;
        const char* name;
    };
    const Known known[] = {{IDI_HAND, "stop"},
                           {IDI_EXCLAMATION, "exclamation"},
                           {IDI_ASTERISK, "information"},
                           {IDI_QUESTION, "question"}};
    for (const Known& k : known) {
        if (LoadIconA(nullptr, k.id) == icon) {
            return k.name;
        }
    }
    return "other";
}

} // namespace

ShownMessage readMessageBox(HWND box) {
    ShownMessage shown;
    HWND text = childWithId(box, kMessageBoxTextId);
    shown.text = text != nullptr ? windowText(text) : std::string();
    shown.caption = windowText(box);
    shown.icon = iconName(childWithId(box, kMessageBoxIconId));
    return shown;
}

void answerMessageBox(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
}

} // namespace scenario
