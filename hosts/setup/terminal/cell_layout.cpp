#include "cell_layout.h"

#include <algorithm>

namespace terminal {

namespace {
int floorDiv(LONG value, int unit) {
    return int(value >= 0 ? value / unit : -((-value + unit - 1) / unit));
}
int ceilDiv(LONG value, int unit) {
    return -floorDiv(-value, unit);
}
int nearest(LONG value, int unit) {
    return floorDiv(value + unit / 2, unit);
}
bool hasCaption(HWND window) {
    return (portable::inspect::view(window).style & WS_CAPTION) == WS_CAPTION;
}
} // namespace

CellLayout::CellLayout(HWND anchor, int columns, int rows) : columns_(columns), rows_(rows) {
    WindowCells placed = window(anchor); // at offset 0, 0
    needed_ = CellRect{placed.cells.left - 1, placed.cells.top - 1, placed.cells.right + 1,
                       placed.cells.bottom + 1};
    offsetCol_ = (columns - neededColumns()) / 2 - needed_.left;
    offsetRow_ = (rows - neededRows()) / 2 - needed_.top;
}

bool CellLayout::fits() const {
    return !outside_ && columns_ >= neededColumns() && rows_ >= neededRows();
}

void CellLayout::include(const std::vector<HWND>& windows) {
    for (HWND topLevel : windows) {
        CellRect cells = window(topLevel).cells;
        CellRect framed{cells.left - 1, cells.top - 1, cells.right + 1, cells.bottom + 1};
        outside_ = outside_ || framed.left < 0 || framed.top < 0 || framed.right > columns_ ||
                   framed.bottom > rows_;
        needed_.left = std::min(needed_.left, framed.left - offsetCol_);
        needed_.top = std::min(needed_.top, framed.top - offsetRow_);
        needed_.right = std::max(needed_.right, framed.right - offsetCol_);
        needed_.bottom = std::max(needed_.bottom, framed.bottom - offsetRow_);
    }
}

WindowCells CellLayout::window(HWND topLevel) const {
    RECT rect{};
    GetWindowRect(topLevel, &rect);
    WindowCells placed;
    placed.captionRows = hasCaption(topLevel) ? 1 : 0;
    LONG clientHeight = rect.bottom - rect.top - placed.captionRows * kCellHeight;
    placed.cells.left = floorDiv(rect.left, kCellWidth) + offsetCol_;
    placed.cells.top = floorDiv(rect.top, kCellHeight) + offsetRow_;
    placed.cells.right = placed.cells.left + ceilDiv(rect.right - rect.left, kCellWidth);
    placed.cells.bottom = placed.cells.top + placed.captionRows +
                          ceilDiv(std::max<LONG>(0, clientHeight), kCellHeight);
    placed.clientCol = placed.cells.left;
    placed.clientRow = placed.cells.top + placed.captionRows;
    return placed;
}

CellLayout::ChildPlace CellLayout::place(HWND child) const {
    ChildPlace place;
    HWND parent = GetParent(child);
    place.parent = window(parent);
    RECT rect{};
    GetWindowRect(child, &rect);
    POINT origin{0, 0};
    ClientToScreen(parent, &origin);
    place.pixels = RECT{rect.left - origin.x, rect.top - origin.y, rect.right - origin.x,
                        rect.bottom - origin.y};
    return place;
}

CellRect CellLayout::control(HWND child) const {
    ChildPlace p = place(child);
    return CellRect{p.parent.clientCol + nearest(p.pixels.left, kCellWidth),
                    p.parent.clientRow + nearest(p.pixels.top, kCellHeight),
                    p.parent.clientCol + nearest(p.pixels.right, kCellWidth),
                    p.parent.clientRow + nearest(p.pixels.bottom, kCellHeight)};
}

int CellLayout::middleRow(HWND child) const {
    ChildPlace p = place(child);
    return p.parent.clientRow + floorDiv((p.pixels.top + p.pixels.bottom) / 2, kCellHeight);
}

CellRect CellLayout::droppedList(const portable::inspect::WindowView& combo) const {
    CellRect field = control(combo.hwnd);
    int top = middleRow(combo.hwnd) + 1;
    int count = std::max<int>(1, int(combo.items.size()));
    return CellRect{field.left, top, field.right, top + count + 1}; // items and the bottom edge
}

CellRect CellLayout::closeBox(const WindowCells& window) {
    int row = window.cells.top;
    return CellRect{window.cells.right - 4, row, window.cells.right - 1, row + 1};
}

int CellLayout::editScroll(const portable::inspect::WindowView& edit, int width) {
    int caret = int(edit.selEnd);
    int length = int(edit.text.size());
    if (width <= 0)
        return std::min(caret, length);
    return std::max(0, caret - width + 1);
}

} // namespace terminal
