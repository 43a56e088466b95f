#include "platform/portable/window_view.h"

#include "platform/portable/user32/controls/button.h"
#include "platform/portable/user32/controls/combo_box.h"
#include "platform/portable/user32/controls/edit.h"
#include "platform/portable/user32/controls/list_box.h"
#include "platform/portable/user32/controls/static.h"
#include "platform/portable/advapi32/registry_state.h"
#include "platform/portable/user32/windowing/message_queue.h"
#include "platform/portable/user32/windowing/window_system.h"

#include <mutex>

namespace portable {
namespace inspect {

namespace {
std::vector<std::string> itemsOf(const ItemList& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.count(); ++i)
        items.emplace_back(list.at(i));
    return items;
}

void describeControl(Window& window, WindowView& view) {
    Control* control = window.control.get();
    if (auto* listBox = dynamic_cast<ListBox*>(control)) {
        view.items = itemsOf(listBox->items());
        view.selection = listBox->selection();
        view.topIndex = listBox->topIndex();
    } else if (auto* combo = dynamic_cast<ComboBox*>(control)) {
        view.items = itemsOf(combo->items());
        view.selection = combo->selection();
        view.dropped = combo->dropped();
        if (combo->items().valid(view.selection))
            view.text = combo->items().at(view.selection);
    } else if (auto* edit = dynamic_cast<Edit*>(control)) {
        view.selStart = edit->selectionStart();
        view.selEnd = edit->selectionEnd();
    } else if (auto* button = dynamic_cast<Button*>(control)) {
        view.check = UINT(button->handle(window, BM_GETCHECK, 0, 0));
    } else if (auto* label = dynamic_cast<Static*>(control)) {
        view.icon = label->icon();
    }
}
} // namespace

std::vector<HWND> topLevelWindows() {
    std::vector<HWND> list = windows().topLevel();
    return std::vector<HWND>(list.rbegin(), list.rend());
}

std::vector<HWND> children(HWND window) {
    Window* w = windows().find(window);
    return w ? w->children : std::vector<HWND>{};
}

WindowView view(HWND handle) {
    WindowView view;
    Window* window = windows().find(handle);
    if (!window)
        return view;
    view.hwnd = handle;
    view.className = window->className;
    view.text = window->text;
    view.id = window->id;
    view.style = window->style;
    GetWindowRect(handle, &view.rect);
    view.visible = IsWindowVisible(handle) != FALSE;
    view.enabled = !(window->style & WS_DISABLED);
    view.focused = GetFocus() == handle;
    describeControl(*window, view);
    return view;
}

HWND childAt(HWND handle, POINT screen) {
    Window* window = windows().find(handle);
    if (!window)
        return nullptr;
    // Later children lie above earlier ones.
    for (auto it = window->children.rbegin(); it != window->children.rend(); ++it) {
        RECT r;
        if (IsWindowVisible(*it) && GetWindowRect(*it, &r) && screen.x >= r.left &&
            screen.x < r.right && screen.y >= r.top && screen.y < r.bottom)
            return childAt(*it, screen);
    }
    return handle;
}

HandleCounts handleCounts() {
    HandleCounts counts;
    counts.windows = windows().liveCount();
    counts.windowSlots = windows().slotCount();
    counts.timers = timerCount();
    counts.postedMessages = postedCount();
    auto& registry = registry::registryState();
    std::lock_guard<std::mutex> lock(registry.mutex);
    counts.openKeys = registry.handles.openCount();
    counts.keySlots = registry.handles.slotCount();
    return counts;
}

} // namespace inspect
} // namespace portable
