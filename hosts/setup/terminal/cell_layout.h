// CellLayout: where the windows of the portable window system fall on a terminal. Its pixels
// are dialog units, so a character cell is 4 x 8 pixels. A top-level window is placed cell for
// cell from its screen position, with the bottom-most window (the dialog) centred on the
// terminal; a control's edges are rounded to the nearest cell, relative to its window's client
// area, and a control one text row high is drawn on the row through its middle.
#pragma once

#include "platform/portable/window_view.h"

#include <string>
#include <vector>

namespace terminal {

struct CellRect {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int col, int row) const {
        return col >= left && col < right && row >= top && row < bottom;
    }
};

// A top-level window's cells: the caption row (when it has a caption) above the client area.
// Its frame is drawn one cell around them.
struct WindowCells {
    CellRect cells;
    int captionRows = 0;
    int clientCol = 0; // the cell of the client area's origin
    int clientRow = 0;
};

class CellLayout {
  public:
    static constexpr int kCellWidth = 4;
    static constexpr int kCellHeight = 8;

    // Centres the anchor window, with its frame, on a terminal of that size.
    CellLayout(HWND anchor, int columns, int rows);

    // Whether the anchor and its frame fit, and the windows included; the size they need.
    bool fits() const;
    int neededColumns() const { return needed_.right - needed_.left; }
    int neededRows() const { return needed_.bottom - needed_.top; }
    // Makes the windows, each with its frame, part of what must fit: a message box made for
    // a larger terminal does not fit once the terminal shrinks.
    void include(const std::vector<HWND>& windows);

    WindowCells window(HWND topLevel) const;
    // A control's cells, its edges rounded to the nearest cell.
    CellRect control(HWND child) const;
    // The row through the middle of a control.
    int middleRow(HWND child) const;
    // The cells of a dropped list under a drop-down combo box, frame included.
    CellRect droppedList(const portable::inspect::WindowView& combo) const;

    // The close box at the right end of a caption row.
    static CellRect closeBox(const WindowCells& window);

    // The first character an edit field shows, so that its caret stays in a field of that
    // width.
    static int editScroll(const portable::inspect::WindowView& edit, int width);

  private:
    struct ChildPlace {
        RECT pixels{}; // relative to the parent's client area
        WindowCells parent;
    };
    ChildPlace place(HWND child) const;

    int columns_;
    int rows_;
    int offsetCol_ = 0; // the terminal cell of screen pixel 0, 0
    int offsetRow_ = 0;
    CellRect needed_;      // the cells that must fit, at offset 0, 0
    bool outside_ = false; // an included window reaches past the terminal's edge
};

} // namespace terminal
