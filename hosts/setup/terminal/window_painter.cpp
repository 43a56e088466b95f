#include "window_painter.h"

#include "control_painter.h"
#include "platform/portable/text_wrap.h"

#include <algorithm>
#include <cstdio>

namespace terminal {

using portable::inspect::WindowView;

WindowPainter::WindowPainter(CellCanvas& canvas, const CellLayout& layout)
    : canvas_(canvas), layout_(layout) {}

std::vector<HWND> WindowPainter::visibleWindows() {
    std::vector<HWND> shown;
    std::vector<HWND> newestFirst = portable::inspect::topLevelWindows();
    for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it)
        if (portable::inspect::view(*it).visible)
            shown.push_back(*it);
    return shown;
}

void WindowPainter::paint(const std::vector<HWND>& oldestFirst) {
    for (HWND window : oldestFirst)
        paintWindow(window);
}

void WindowPainter::paintWindow(HWND window) {
    WindowView view = portable::inspect::view(window);
    WindowCells placed = layout_.window(window);
    CellRect cells = placed.cells;
    canvas_.fill(cells.left, cells.top, cells.right, cells.bottom, Role::kFace);
    canvas_.box(cells.left - 1, cells.top - 1, cells.right, cells.bottom, Role::kFrame);
    if (placed.captionRows > 0) {
        Role caption = GetActiveWindow() == window ? Role::kCaption : Role::kCaptionInactive;
        canvas_.fill(cells.left, cells.top, cells.right, cells.top + 1, caption);
        canvas_.text(cells.left + 1, cells.top, view.text, caption, std::max(0, cells.width() - 6));
        if (view.style & WS_SYSMENU)
            canvas_.text(CellLayout::closeBox(placed).left, cells.top, "[x]", caption);
    }
    ControlPainter controls(canvas_, layout_);
    std::vector<WindowView> dropped;
    for (HWND child : portable::inspect::children(window)) {
        WindowView control = portable::inspect::view(child);
        controls.paint(control);
        if (control.visible && control.dropped)
            dropped.push_back(control);
    }
    for (const WindowView& combo : dropped)
        controls.paintDroppedList(combo);
}

void WindowPainter::hint(const std::string& text) {
    int row = canvas_.rows() - 1;
    canvas_.fill(0, row, canvas_.columns(), row + 1, Role::kHint);
    canvas_.text(1, row, text, Role::kHint, std::max(0, canvas_.columns() - 2));
}

void WindowPainter::frameNote(HWND window, const std::string& text) {
    CellRect cells = layout_.window(window).cells;
    canvas_.text(cells.left + 1, cells.bottom, " " + text + " ", Role::kHint,
                 std::max(0, cells.width() - 2));
}

void WindowPainter::tooSmall(CellCanvas& canvas, int neededColumns, int neededRows) {
    char size[96];
    std::snprintf(size, sizeof size, "It needs %d x %d characters; this one is %d x %d.",
                  neededColumns, neededRows, canvas.columns(), canvas.rows());
    std::vector<std::string> lines;
    for (const std::string& paragraph :
         {std::string("The terminal is too small for the dialog."), std::string(size),
          std::string("Enlarge it, or press Escape to cancel.")}) {
        for (const std::string& line : portable::wrapText(paragraph, canvas.columns()))
            lines.push_back(line);
    }
    int top = std::max(0, (canvas.rows() - int(lines.size())) / 2);
    for (const std::string& line : lines) {
        int col = std::max(0, (canvas.columns() - int(line.size())) / 2);
        canvas.text(col, top++, line, Role::kMessage);
    }
}

} // namespace terminal
