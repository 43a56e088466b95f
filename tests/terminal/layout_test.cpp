// Where the terminal front end puts the windows: the dialog's size in cells, its place on the
// terminal, and each control's cells.
#include "terminal/cell_layout.h"
#include "terminal_dialog.h"

#include <gtest/gtest.h>

using terminal::CellLayout;
using terminal::CellRect;

using LayoutTest = PropertiesDialogTest;

TEST_F(LayoutTest, TheDialogIs62By19CellsFramedAndCentred) {
    CellLayout layout(dialog, 80, 24);
    EXPECT_EQ(64, layout.neededColumns());
    EXPECT_EQ(21, layout.neededRows());
    terminal::WindowCells placed = layout.window(dialog);
    EXPECT_EQ(62, placed.cells.width());
    EXPECT_EQ(19, placed.cells.height()); // the caption row and 18 client rows
    EXPECT_EQ(9, placed.cells.left);      // the frame at (80 - 64) / 2
    EXPECT_EQ(2, placed.cells.top);       // the frame at (24 - 21) / 2
    EXPECT_EQ(placed.cells.top + 1, placed.clientRow);
}

TEST_F(LayoutTest, FitsOnlyWhereTheFramedDialogFits) {
    EXPECT_TRUE(CellLayout(dialog, 80, 24).fits());
    EXPECT_TRUE(CellLayout(dialog, 64, 21).fits());
    EXPECT_FALSE(CellLayout(dialog, 63, 21).fits());
    EXPECT_FALSE(CellLayout(dialog, 64, 20).fits());
}

TEST_F(LayoutTest, ControlsRoundToTheNearestCellOfTheClientArea) {
    CellLayout layout(dialog, 64, 21);
    terminal::WindowCells placed = layout.window(dialog);
    struct Case {
        int id;
        CellRect cells; // relative to the client area
        int middleRow;
    };
    const Case cases[] = {
        {IDOK, {33, 15, 45, 17}, 15},
        {IDCANCEL, {47, 15, 60, 17}, 15},
        {IDC_PROPERTY_LIST, {4, 4, 29, 17}, 10},
        {IDC_DEFAULTS, {37, 9, 48, 11}, 10},
        {IDC_PRESENT, {33, 4, 36, 5}, 4},
        {IDC_NOT_PRESENT, {33, 6, 50, 7}, 6},
        {IDC_SPIN_EDIT, {37, 4, 56, 5}, 4},
        {IDC_VALUE_SPIN, {56, 4, 59, 5}, 4},
        {IDC_VALUE_EDIT, {37, 4, 56, 6}, 4},
    };
    for (const Case& c : cases) {
        HWND control = GetDlgItem(dialog, c.id);
        CellRect cells = layout.control(control);
        SCOPED_TRACE(c.id);
        EXPECT_EQ(c.cells.left, cells.left - placed.clientCol);
        EXPECT_EQ(c.cells.top, cells.top - placed.clientRow);
        EXPECT_EQ(c.cells.right, cells.right - placed.clientCol);
        EXPECT_EQ(c.cells.bottom, cells.bottom - placed.clientRow);
        EXPECT_EQ(c.middleRow, layout.middleRow(control) - placed.clientRow);
    }
}

TEST_F(LayoutTest, AComboBoxIsItsSelectionFieldWithTheListDroppingBelow) {
    CellLayout layout(dialog, 64, 21);
    HWND combo = GetDlgItem(dialog, IDC_VALUE_COMBO);
    for (const char* item : {"One", "Two", "Three"})
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    CellRect field = layout.control(combo);
    EXPECT_EQ(1, field.height());
    CellRect list = layout.droppedList(portable::inspect::view(combo));
    EXPECT_EQ(layout.middleRow(combo) + 1, list.top);
    EXPECT_EQ(list.top + 3 + 1, list.bottom); // three items and the bottom edge
    EXPECT_EQ(field.left, list.left);
}

TEST(EditScroll, KeepsTheCaretInTheField) {
    portable::inspect::WindowView edit;
    edit.text = "0123456789ABCDEF";
    struct Case {
        DWORD caret;
        int width;
        int first;
    };
    const Case cases[] = {{0, 10, 0}, {9, 10, 0}, {10, 10, 1}, {16, 10, 7}, {16, 20, 0}};
    for (const Case& c : cases) {
        edit.selStart = edit.selEnd = c.caret;
        EXPECT_EQ(c.first, CellLayout::editScroll(edit, c.width)) << c.caret << " " << c.width;
    }
}
