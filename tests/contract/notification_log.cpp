#include "notification_log.h"

#include <cctype>

namespace {

std::string classOf(HWND control) {
    char name[64] = "";
    GetClassNameA(control, name, sizeof name);
    return name;
}

// Class names compare without regard to case, as Windows compares them.
bool sameText(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && b[i] == 0;
}

// The WM_COMMAND codes the dialog acts on; codes repeat between classes, so the sender's class
// decides (focus and edit-change notifications are left out).
bool keptCommand(HWND control, int code) {
    const std::string cls = classOf(control);
    if (sameText(cls, "Button"))
        return code == BN_CLICKED;
    if (sameText(cls, "ListBox"))
        return code == LBN_SELCHANGE;
    if (sameText(cls, "ComboBox"))
        return code == CBN_SELCHANGE;
    return false;
}

std::string windowText(HWND hwnd) {
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

} // namespace

bool Notification::operator==(const Notification& other) const {
    return message == other.message && id == other.id && code == other.code && pos == other.pos &&
           delta == other.delta && buddyText == other.buddyText;
}

Notification command(int id, int code) {
    return {WM_COMMAND, id, code, 0, 0, {}};
}

Notification deltaPos(int id, int pos, int delta, const char* buddyText) {
    return {WM_NOTIFY, id, static_cast<int>(UDN_DELTAPOS), pos, delta, buddyText};
}

void PrintTo(const Notification& n, std::ostream* os) {
    if (n.message == WM_COMMAND) {
        *os << "WM_COMMAND(id " << n.id << ", code " << n.code << ")";
        return;
    }
    *os << "WM_NOTIFY(id " << n.id << ", code " << n.code << ", iPos " << n.pos << ", iDelta "
        << n.delta << ", buddy \"" << n.buddyText << "\")";
}

void NotificationLog::record(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        const HWND control = reinterpret_cast<HWND>(lParam);
        const int code = HIWORD(wParam);
        if (control && keptCommand(control, code))
            events_.push_back(command(LOWORD(wParam), code));
        return;
    }
    if (message != WM_NOTIFY)
        return;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != static_cast<UINT>(UDN_DELTAPOS))
        return;
    const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
    const HWND buddy = reinterpret_cast<HWND>(SendMessageA(header->hwndFrom, UDM_GETBUDDY, 0, 0));
    events_.push_back(deltaPos(static_cast<int>(header->idFrom), change->iPos, change->iDelta,
                               windowText(buddy).c_str()));
}
