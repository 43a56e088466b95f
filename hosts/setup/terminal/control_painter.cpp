#include "control_painter.h"

#include "platform/portable/text_wrap.h"

#include <algorithm>
#include <strings.h>

namespace terminal {

using portable::inspect::WindowView;

namespace {
bool isClass(const WindowView& view, const char* name) {
    return strcasecmp(view.className.c_str(), name) == 0;
}
} // namespace

Label labelOf(const std::string& text, bool prefixes) {
    Label label;
    for (size_t i = 0; i < text.size(); ++i) {
        if (prefixes && text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && label.underlined < 0)
                label.underlined = int(label.text.size());
        }
        label.text += text[i];
    }
    return label;
}

ControlPainter::ControlPainter(CellCanvas& canvas, const CellLayout& layout)
    : canvas_(canvas), layout_(layout) {}

void ControlPainter::paint(const WindowView& control) {
    if (!control.hwnd || !control.visible)
        return;
    if (isClass(control, "Button"))
        button(control);
    else if (isClass(control, "Static"))
        label(control);
    else if (isClass(control, "Edit"))
        edit(control);
    else if (isClass(control, "ComboBox"))
        comboBox(control);
    else if (isClass(control, "ListBox"))
        listBox(control);
    else if (isClass(control, UPDOWN_CLASSA))
        upDown(control);
}

void ControlPainter::labelText(int col, int row, const Label& text, Role role, int width) {
    int written = canvas_.text(col, row, text.text, role, width);
    if (text.underlined >= 0 && text.underlined < written)
        canvas_.put(col + text.underlined, row,
                    static_cast<unsigned char>(text.text[size_t(text.underlined)]), role, true);
}

void ControlPainter::button(const WindowView& control) {
    DWORD type = control.style & BS_TYPEMASK;
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
        radioButton(control);
    else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
        pushButton(control, type == BS_DEFPUSHBUTTON);
}

void ControlPainter::pushButton(const WindowView& control, bool isDefault) {
    CellRect cells = layout_.control(control.hwnd);
    int row = layout_.middleRow(control.hwnd);
    Role role = !control.enabled ? Role::kDisabled : control.focused ? Role::kFocus : Role::kButton;
    Label text = labelOf(control.text, true);
    int length = int(text.text.size());
    // A label needs a blank on each side; a button too narrow for that grows around its middle.
    int left = cells.left, right = cells.right;
    if (right - left < length + 4) {
        left = cells.left + (cells.width() - (length + 4)) / 2;
        right = left + length + 4;
    }
    canvas_.fill(left, row, right, row + 1, role);
    canvas_.put(left, row, isDefault ? '<' : '[', role);
    canvas_.put(right - 1, row, isDefault ? '>' : ']', role);
    int col = left + 1 + (right - left - 2 - length + 1) / 2;
    labelText(col, row, text, role, length);
    if (control.focused)
        canvas_.setCursor(col, row);
}

void ControlPainter::radioButton(const WindowView& control) {
    CellRect cells = layout_.control(control.hwnd);
    int row = layout_.middleRow(control.hwnd);
    Role role = !control.enabled ? Role::kDisabled : control.focused ? Role::kFocus : Role::kFace;
    canvas_.put(cells.left, row, '(', role);
    canvas_.put(cells.left + 1, row, control.check == BST_CHECKED ? '*' : ' ', role);
    canvas_.put(cells.left + 2, row, ')', role);
    labelText(cells.left + 3, row, labelOf(control.text, true), role,
              std::max(0, cells.width() - 3));
    if (control.focused)
        canvas_.setCursor(cells.left + 1, row);
}

void ControlPainter::label(const WindowView& control) {
    CellRect cells = layout_.control(control.hwnd);
    if ((control.style & SS_TYPEMASK) == SS_ICON) {
        // The message box icons, by their resource names.
        const char* glyph = "";
        LPCSTR id = reinterpret_cast<LPCSTR>(control.icon);
        if (control.icon == LoadIconA(nullptr, IDI_HAND))
            glyph = "(X)";
        else if (control.icon == LoadIconA(nullptr, IDI_EXCLAMATION))
            glyph = "/!\\";
        else if (control.icon == LoadIconA(nullptr, IDI_QUESTION))
            glyph = "(?)";
        else if (control.icon == LoadIconA(nullptr, IDI_ASTERISK) || id)
            glyph = "(i)";
        canvas_.text(cells.left, cells.top, glyph, Role::kFace);
        return;
    }
    Role role = control.enabled ? Role::kFace : Role::kDisabled;
    // Labels keep their whole text: a proportional font fits more into the same width.
    std::vector<std::string> lines =
        portable::wrapText(control.text, cells.height() > 1 ? cells.width() : 255);
    int row = cells.height() > 1 ? cells.top : layout_.middleRow(control.hwnd);
    for (const std::string& line : lines)
        labelText(cells.left, row++, labelOf(line, !(control.style & SS_NOPREFIX)), role, -1);
}

void ControlPainter::edit(const WindowView& control) {
    CellRect cells = layout_.control(control.hwnd);
    int row = layout_.middleRow(control.hwnd);
    Role role = control.enabled ? Role::kField : Role::kDisabled;
    int inner = std::max(0, cells.width() - 2);
    canvas_.fill(cells.left, row, cells.right, row + 1, role);
    canvas_.put(cells.left, row, '[', role);
    canvas_.put(cells.right - 1, row, ']', role);
    int first = CellLayout::editScroll(control, inner);
    std::string shown = control.text.substr(std::min(size_t(first), control.text.size()));
    if (control.style & ES_PASSWORD)
        shown.assign(shown.size(), '*');
    canvas_.text(cells.left + 1, row, shown, role, inner);
    DWORD from = std::min(control.selStart, control.selEnd);
    DWORD to = std::max(control.selStart, control.selEnd);
    if (control.focused) {
        for (DWORD i = from; i < to; ++i) {
            int col = cells.left + 1 + int(i) - first;
            if (col > cells.left && col < cells.right - 1 && i < control.text.size())
                canvas_.put(col, row, static_cast<unsigned char>(control.text[i]), Role::kFocus);
        }
        canvas_.setCursor(cells.left + 1 + int(control.selEnd) - first, row);
    }
}

void ControlPainter::comboBox(const WindowView& control) {
    CellRect cells = layout_.control(control.hwnd);
    int row = layout_.middleRow(control.hwnd);
    Role role = !control.enabled ? Role::kDisabled : control.focused ? Role::kFocus : Role::kField;
    canvas_.fill(cells.left, row, cells.right, row + 1, Role::kField);
    canvas_.put(cells.left, row, '[', Role::kField);
    canvas_.put(cells.right - 2, row, 'v', Role::kField);
    canvas_.put(cells.right - 1, row, ']', Role::kField);
    int inner = std::max(0, cells.width() - 3);
    canvas_.fill(cells.left + 1, row, cells.left + 1 + inner, row + 1, role);
    canvas_.text(cells.left + 1, row, control.text, role, inner);
    if (control.focused)
        canvas_.setCursor(cells.left + 1, row);
}

void ControlPainter::paintDroppedList(const WindowView& combo) {
    CellRect list = layout_.droppedList(combo);
    canvas_.fill(list.left, list.top, list.right, list.bottom, Role::kDropList);
    for (int row = list.top; row < list.bottom - 1; ++row) {
        canvas_.put(list.left, row, VLine, Role::kDropList);
        canvas_.put(list.right - 1, row, VLine, Role::kDropList);
    }
    canvas_.put(list.left, list.bottom - 1, BottomLeft, Role::kDropList);
    canvas_.put(list.right - 1, list.bottom - 1, BottomRight, Role::kDropList);
    for (int col = list.left + 1; col < list.right - 1; ++col)
        canvas_.put(col, list.bottom - 1, HLine, Role::kDropList);
    int width = std::max(0, list.width() - 3);
    for (size_t i = 0; i < combo.items.size(); ++i) {
        int row = list.top + int(i);
        bool selected = int(i) == combo.selection;
        Role role = selected ? Role::kFocus : Role::kDropList; // the open list has the keys
        canvas_.fill(list.left + 1, row, list.right - 1, row + 1, role);
        canvas_.put(list.left + 1, row, selected ? '>' : ' ', role);
        canvas_.text(list.left + 2, row, combo.items[i], role, width);
        if (selected)
            canvas_.setCursor(list.left + 1, row);
    }
}

void ControlPainter::listBox(const WindowView& control) {
    CellRect cells = layout_.control(control.hwnd);
    Role face = control.enabled ? Role::kField : Role::kDisabled;
    canvas_.fill(cells.left, cells.top, cells.right, cells.bottom, face);
    if (control.style & WS_BORDER)
        canvas_.box(cells.left - 1, cells.top - 1, cells.right, cells.bottom, Role::kFace);
    int rows = cells.height();
    int count = int(control.items.size());
    bool scrolls = (control.style & WS_VSCROLL) && count > rows;
    int width = cells.width() - 1 - (scrolls ? 1 : 0);
    for (int row = 0; row < rows; ++row) {
        int index = control.topIndex + row;
        if (index < 0 || index >= count)
            continue;
        bool selected = index == control.selection;
        Role role = !selected || !control.enabled ? face
                    : control.focused             ? Role::kFocus
                                                  : Role::kSelection;
        int y = cells.top + row;
        canvas_.fill(cells.left, y, cells.left + 1 + width, y + 1, role);
        canvas_.put(cells.left, y, selected ? '>' : ' ', role);
        canvas_.text(cells.left + 1, y, control.items[size_t(index)], role, width);
    }
    if (scrolls)
        scrollBar(cells.right - 1, cells.top, rows, control.topIndex, count);
    if (control.focused) {
        int row = control.selection >= control.topIndex ? control.selection - control.topIndex : 0;
        canvas_.setCursor(cells.left, cells.top + std::min(row, rows - 1));
    }
}

void ControlPainter::scrollBar(int col, int top, int rows, int first, int count) {
    if (rows < 3)
        return;
    canvas_.put(col, top, '^', Role::kButton);
    canvas_.put(col, top + rows - 1, 'v', Role::kButton);
    int track = rows - 2;
    int hidden = std::max(1, count - rows);
    int thumb = std::min(track - 1, first * (track - 1) / hidden);
    for (int i = 0; i < track; ++i)
        canvas_.put(col, top + 1 + i, i == thumb ? ScrollThumb : ScrollTrack, Role::kButton);
}

void ControlPainter::upDown(const WindowView& control) {
    CellRect cells = layout_.control(control.hwnd);
    int row = layout_.middleRow(control.hwnd);
    Role role = control.enabled ? Role::kButton : Role::kDisabled;
    canvas_.put(cells.left, row, '^', role);
    canvas_.put(cells.left + 1, row, 'v', role);
}

} // namespace terminal
