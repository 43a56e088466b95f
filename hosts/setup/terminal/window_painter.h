// WindowPainter: draws the visible top-level windows, the oldest first so that a message box
// lies over the dialog that owns it: each framed, with its caption bar (the active one
// highlighted, a close box where it has a system menu), its controls in Z order, and an open
// drop-down list above them all.
#pragma once

#include "cell_canvas.h"
#include "cell_layout.h"

#include <vector>

namespace terminal {

class WindowPainter {
  public:
    WindowPainter(CellCanvas& canvas, const CellLayout& layout);

    // The visible top-level windows, the oldest first; the first is the layout's anchor.
    static std::vector<HWND> visibleWindows();

    void paint(const std::vector<HWND>& oldestFirst);
    // A line of text on the last row of the terminal, below the windows.
    void hint(const std::string& text);
    // A line of text on the bottom edge of a window's frame, where no row is left below it.
    void frameNote(HWND window, const std::string& text);
    // Instead of the windows, when the terminal is too small for them.
    static void tooSmall(CellCanvas& canvas, int neededColumns, int neededRows);

  private:
    void paintWindow(HWND window);

    CellCanvas& canvas_;
    const CellLayout& layout_;
};

} // namespace terminal
