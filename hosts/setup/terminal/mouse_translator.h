// MouseTranslator: turns a press and a release of the mouse button on a terminal cell into
// WM_LBUTTONDOWN and WM_LBUTTONUP, at the point of the control under the cell that the control
// understands: the middle of the item row of a list, the upper or lower half of an up-down
// control, the character of a field. As on Windows, the release goes to the window that took
// the press (a button clicks only when released over itself), an open drop-down list takes
// every click until it closes, and windows that are disabled, such as a dialog under its
// message box, take none.
#pragma once

#include "cell_layout.h"
#include "input_event.h"

#include <vector>

namespace terminal {

class MouseTranslator {
  public:
    // The messages for a mouse event on the terminal laid out by layout.
    std::vector<MSG> translate(const InputEvent& event, const CellLayout& layout);
    bool post(const InputEvent& event, const CellLayout& layout);

  private:
    struct Target {
        HWND hwnd = nullptr;
        POINT point{}; // client pixels
        bool closeBox = false;
    };
    Target hit(int col, int row, const CellLayout& layout) const;
    Target hitWindow(HWND window, int col, int row, const CellLayout& layout) const;
    Target hitControl(const portable::inspect::WindowView& control, int col, int row,
                      const CellLayout& layout) const;
    Target hitDroppedList(const portable::inspect::WindowView& combo, int col, int row,
                          const CellLayout& layout) const;
    bool sameCellArea(const Target& pressed, int col, int row, const CellLayout& layout) const;

    Target pressed_; // the window that took the last press, until the release
};

} // namespace terminal
