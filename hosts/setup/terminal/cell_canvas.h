// CellCanvas: the character cells of one terminal frame, each with a glyph and a role that the
// screen turns into colours. Painters draw here; the screen shows it; tests read it as text.
#pragma once

#include <string>
#include <vector>

namespace terminal {

// What a cell is part of; the palette gives each role its colours or attributes.
enum class Role {
    kDesktop,
    kFace,            // a window's background and plain text
    kFrame,           // a window's border
    kCaption,         // the title bar of the active window
    kCaptionInactive, // the title bar of a window behind a modal one
    kDisabled,        // a disabled control's text
    kField,           // an edit field or a drop-down list's selection field
    kFocus,           // the control with the focus, or what it has selected
    kSelection,       // the selected item of a list that does not have the focus
    kButton,
    kDropList, // an open drop-down list
    kHint,     // the help line under the dialog
    kMessage,  // the text shown instead of the dialog when the terminal is too small
};

// Line-drawing glyphs; every other glyph is a character.
enum Glyph : int {
    HLine = 0x100,
    VLine,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
    ScrollTrack,
    ScrollThumb,
};

struct Cell {
    int glyph = ' ';
    Role role = Role::kDesktop;
    bool underline = false;
};

class CellCanvas {
  public:
    CellCanvas(int columns, int rows);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    const Cell& at(int col, int row) const;

    // Cells outside the canvas are ignored, so painters may clip by drawing.
    void put(int col, int row, int glyph, Role role, bool underline = false);
    // Writes text from col, at most width cells (width < 0: to the canvas's edge); returns the
    // cells written.
    int text(int col, int row, const std::string& text, Role role, int width = -1);
    void fill(int left, int top, int right, int bottom, Role role);
    // A box whose outer edges are the given cells (right and bottom inclusive).
    void box(int left, int top, int right, int bottom, Role role);

    // Where the terminal cursor should stand (the caret or the focused control); -1: hidden.
    void setCursor(int col, int row);
    int cursorColumn() const { return cursorCol_; }
    int cursorRow() const { return cursorRow_; }

    // A row as plain text, line glyphs as ASCII ('-', '|', '+', '#'), trailing blanks kept.
    std::string rowText(int row) const;

  private:
    bool inside(int col, int row) const;

    int columns_;
    int rows_;
    std::vector<Cell> cells_;
    int cursorCol_ = -1;
    int cursorRow_ = -1;
};

} // namespace terminal
