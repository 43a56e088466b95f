#include "scripted_front_end.h"

#include "platform/portable/user32/dialog/dialog.h"
#include "platform/portable/window_view.h"

namespace portable {

namespace {
constexpr int kMessageTextId = 0xFFFF;

bool isMessageBox(HWND window) {
    inspect::WindowView box = inspect::view(window);
    return box.visible && box.className == kDialogClassName && GetDlgItem(window, kMessageTextId);
}
} // namespace

ScriptedFrontEnd::ScriptedFrontEnd() : previous_(frontEnd()) {
    setFrontEnd(this);
}

ScriptedFrontEnd::~ScriptedFrontEnd() {
    setFrontEnd(previous_);
}

bool ScriptedFrontEnd::waitForInput(DWORD) {
    ++waits_;
    recordMessageBoxes();
    if (steps_.empty())
        return false;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step();
    return true;
}

HWND ScriptedFrontEnd::currentMessageBox() const {
    for (HWND window : inspect::topLevelWindows())
        if (isMessageBox(window))
            return window;
    return nullptr;
}

void ScriptedFrontEnd::recordMessageBoxes() {
    for (HWND window : inspect::topLevelWindows()) {
        if (!isMessageBox(window))
            continue;
        bool known = false;
        for (const SeenMessageBox& seen : boxes_)
            known = known || seen.hwnd == window;
        if (known)
            continue;
        SeenMessageBox seen;
        seen.hwnd = window;
        seen.caption = inspect::view(window).text;
        seen.text = inspect::view(GetDlgItem(window, kMessageTextId)).text;
        for (HWND child : inspect::children(window))
            if (HICON icon = inspect::view(child).icon)
                seen.icon = icon;
        boxes_.push_back(seen);
    }
}

} // namespace portable
