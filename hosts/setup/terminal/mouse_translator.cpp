#include "mouse_translator.h"

#include "window_painter.h"

#include <algorithm>
#include <strings.h>

namespace terminal {

using portable::inspect::WindowView;

namespace {
bool isClass(const WindowView& view, const char* name) {
    return strcasecmp(view.className.c_str(), name) == 0;
}

MSG mouseMessage(HWND target, UINT id, POINT point) {
    MSG msg{};
    msg.hwnd = target;
    msg.message = id;
    msg.wParam = id == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
    msg.lParam = MAKELPARAM(WORD(SHORT(point.x)), WORD(SHORT(point.y)));
    return msg;
}

// The middle of a control, in its client pixels.
POINT middleOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return POINT{client.right / 2, client.bottom / 2};
}

// The cells a click finds a control on: its row for a control one row high, else its rect.
CellRect clickCells(const WindowView& control, const CellLayout& layout) {
    CellRect cells = layout.control(control.hwnd);
    if (!isClass(control, "ListBox") && !(isClass(control, "Static") && cells.height() > 1)) {
        cells.top = layout.middleRow(control.hwnd);
        cells.bottom = cells.top + 1;
    }
    return cells;
}
} // namespace

std::vector<MSG> MouseTranslator::translate(const InputEvent& event, const CellLayout& layout) {
    std::vector<MSG> out;
    if (event.kind == InputEvent::Kind::kMousePress) {
        pressed_ = hit(event.col, event.row, layout);
        if (pressed_.hwnd && !pressed_.closeBox)
            out.push_back(mouseMessage(pressed_.hwnd, WM_LBUTTONDOWN, pressed_.point));
    } else if (event.kind == InputEvent::Kind::kMouseRelease) {
        Target target = pressed_;
        pressed_ = Target{};
        if (!target.hwnd || !IsWindow(target.hwnd))
            return out;
        bool over = sameCellArea(target, event.col, event.row, layout);
        if (target.closeBox) {
            if (over)
                out.push_back(MSG{target.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0, 0, POINT{0, 0}});
            return out;
        }
        out.push_back(mouseMessage(target.hwnd, WM_LBUTTONUP, over ? target.point : POINT{-1, -1}));
    }
    return out;
}

bool MouseTranslator::post(const InputEvent& event, const CellLayout& layout) {
    std::vector<MSG> messages = translate(event, layout);
    for (const MSG& msg : messages)
        PostMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    return !messages.empty();
}

MouseTranslator::Target MouseTranslator::hit(int col, int row, const CellLayout& layout) const {
    std::vector<HWND> windows = WindowPainter::visibleWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        WindowCells placed = layout.window(*it);
        CellRect framed{placed.cells.left - 1, placed.cells.top - 1, placed.cells.right + 1,
                        placed.cells.bottom + 1};
        if (!framed.contains(col, row))
            continue;
        // A window behind a modal one takes no clicks.
        if (!IsWindowEnabled(*it))
            return Target{};
        return hitWindow(*it, col, row, layout);
    }
    return Target{};
}

MouseTranslator::Target MouseTranslator::hitWindow(HWND window, int col, int row,
                                                   const CellLayout& layout) const {
    WindowCells placed = layout.window(window);
    if (placed.captionRows > 0 && row == placed.cells.top) {
        bool close = (portable::inspect::view(window).style & WS_SYSMENU) &&
                     CellLayout::closeBox(placed).contains(col, row);
        return close ? Target{window, POINT{0, 0}, true} : Target{};
    }
    std::vector<HWND> children = portable::inspect::children(window);
    for (HWND child : children) {
        WindowView control = portable::inspect::view(child);
        if (control.visible && control.dropped)
            return hitDroppedList(control, col, row, layout);
    }
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        WindowView control = portable::inspect::view(*it);
        if (!control.visible || isClass(control, "Static"))
            continue;
        if (!clickCells(control, layout).contains(col, row))
            continue;
        if (!control.enabled)
            return Target{};
        return hitControl(control, col, row, layout);
    }
    POINT point{(col - placed.clientCol) * CellLayout::kCellWidth,
                (row - placed.clientRow) * CellLayout::kCellHeight};
    return Target{window, point, false};
}

MouseTranslator::Target MouseTranslator::hitControl(const WindowView& control, int col, int row,
                                                    const CellLayout& layout) const {
    CellRect cells = layout.control(control.hwnd);
    Target target{control.hwnd, middleOf(control.hwnd), false};
    const int half = CellLayout::kCellHeight / 2;
    if (isClass(control, "ListBox")) {
        target.point =
            POINT{CellLayout::kCellWidth, (row - cells.top) * CellLayout::kCellHeight + half};
    } else if (isClass(control, UPDOWN_CLASSA)) {
        RECT client{};
        GetClientRect(control.hwnd, &client);
        target.point.y = col == cells.left ? 1 : client.bottom - 2;
    } else if (isClass(control, "Edit")) {
        int inner = std::max(0, cells.width() - 2);
        int index = CellLayout::editScroll(control, inner) + std::max(0, col - cells.left - 1);
        target.point = POINT{index * CellLayout::kCellWidth, half};
    }
    return target;
}

MouseTranslator::Target MouseTranslator::hitDroppedList(const WindowView& combo, int col, int row,
                                                        const CellLayout& layout) const {
    CellRect list = layout.droppedList(combo);
    int field = layout.middleRow(combo.hwnd);
    CellRect fieldCells = layout.control(combo.hwnd);
    Target target{combo.hwnd, POINT{0, -1}, false}; // outside: closes the list
    if (row == field && fieldCells.contains(col, fieldCells.top))
        target.point = middleOf(combo.hwnd);
    else if (list.contains(col, row) && row < list.bottom - 1) {
        RECT client{};
        GetClientRect(combo.hwnd, &client);
        target.point = POINT{CellLayout::kCellWidth,
                             client.bottom + (row - list.top) * CellLayout::kCellHeight +
                                 CellLayout::kCellHeight / 2};
    }
    return target;
}

bool MouseTranslator::sameCellArea(const Target& pressed, int col, int row,
                                   const CellLayout& layout) const {
    Target now = hit(col, row, layout);
    return now.hwnd == pressed.hwnd && now.closeBox == pressed.closeBox;
}

} // namespace terminal
