// ControlPainter: draws one control as a terminal shows it. Push buttons are bracketed, the
// default one with angle brackets; radio buttons are "( )" and "(*)"; fields are bracketed,
// a drop-down list with its arrow; a list marks its selected item with '>' and shows a scroll
// bar when its items do not fit. The mnemonic letter of a label is underlined.
#pragma once

#include "cell_canvas.h"
#include "cell_layout.h"

namespace terminal {

// A label with its '&' prefixes resolved: "&&" is '&', '&x' underlines x.
struct Label {
    std::string text;
    int underlined = -1; // index into text, -1: none
};
Label labelOf(const std::string& text, bool prefixes);

class ControlPainter {
  public:
    ControlPainter(CellCanvas& canvas, const CellLayout& layout);

    // The control as it shows when nothing is dropped over it.
    void paint(const portable::inspect::WindowView& control);
    // The open list of a drop-down combo box, drawn above everything in its window.
    void paintDroppedList(const portable::inspect::WindowView& combo);

  private:
    void button(const portable::inspect::WindowView& control);
    void pushButton(const portable::inspect::WindowView& control, bool isDefault);
    void radioButton(const portable::inspect::WindowView& control);
    void label(const portable::inspect::WindowView& control);
    void edit(const portable::inspect::WindowView& control);
    void comboBox(const portable::inspect::WindowView& control);
    void listBox(const portable::inspect::WindowView& control);
    void scrollBar(int col, int top, int rows, int first, int count);
    void upDown(const portable::inspect::WindowView& control);
    void labelText(int col, int row, const Label& text, Role role, int width);

    CellCanvas& canvas_;
    const CellLayout& layout_;
};

} // namespace terminal
