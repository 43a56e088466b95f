// What the terminal shows of the dialog: read back from the canvas as text, row by row.
#include "scripted_front_end.h"
#include "platform/portable/text_wrap.h"
#include "terminal/cell_canvas.h"
#include "terminal/cell_layout.h"
#include "terminal/control_painter.h"
#include "terminal/palette.h"
#include "terminal/window_painter.h"
#include "terminal_dialog.h"

#include "resources/properties_dialog.h"

#include <gtest/gtest.h>

using terminal::CellCanvas;
using terminal::CellLayout;
using terminal::Role;
using terminal::WindowPainter;

class PainterTest : public PropertiesDialogTest {
  protected:
    // Paints the windows on a terminal of 64 x 21 (the client area starts at column 1, row 2).
    CellCanvas paint() {
        CellCanvas canvas(64, 21);
        CellLayout layout(dialog, canvas.columns(), canvas.rows());
        WindowPainter(canvas, layout).paint(WindowPainter::visibleWindows());
        return canvas;
    }
    // The text of a client row from a client column on.
    static std::string clientText(const CellCanvas& canvas, int row, int col, size_t length) {
        return canvas.rowText(row + 2).substr(size_t(col + 1), length);
    }
};

TEST_F(PainterTest, FrameAndCaptionWithItsCloseBox) {
    CellCanvas canvas = paint();
    EXPECT_EQ("+" + std::string(62, '-') + "+", canvas.rowText(0));
    std::string caption = canvas.rowText(1);
    EXPECT_EQ("| " PROPERTIES_DIALOG_CAPTION,
              caption.substr(0, 2 + sizeof PROPERTIES_DIALOG_CAPTION - 1));
    EXPECT_EQ("[x] |", caption.substr(59));
    EXPECT_EQ(Role::kCaption, canvas.at(2, 1).role);
}

TEST_F(PainterTest, ControlsAsTextAtTheirCells) {
    CellCanvas canvas = paint();
    EXPECT_EQ("Select the property to configure", clientText(canvas, 2, 3, 32));
    EXPECT_EQ("Value", clientText(canvas, 2, 38, 5));
    EXPECT_EQ(">Address", clientText(canvas, 4, 4, 8));
    EXPECT_EQ(" Media Type", clientText(canvas, 5, 4, 11));
    EXPECT_EQ("(*) [00A0C9123456     ]", clientText(canvas, 4, 33, 23));
    EXPECT_EQ("( )  Disable", clientText(canvas, 6, 33, 12));
    EXPECT_EQ("[ Defaults ]", clientText(canvas, 10, 37, 12));
    EXPECT_EQ("<    OK    >", clientText(canvas, 15, 33, 12));
    EXPECT_EQ("[   Cancel  ]", clientText(canvas, 15, 47, 13));
}

TEST_F(PainterTest, TheMnemonicLetterIsUnderlined) {
    CellCanvas canvas = paint();
    const terminal::Cell& d = canvas.at(1 + 39, 2 + 10);
    EXPECT_EQ('D', d.glyph);
    EXPECT_TRUE(d.underline);
    EXPECT_FALSE(canvas.at(1 + 40, 2 + 10).underline);
}

TEST_F(PainterTest, HiddenControlsAreNotDrawnAndShownOnesAre) {
    EXPECT_EQ(std::string::npos, paint().rowText(6).find('^')); // the up-down control
    ShowWindow(GetDlgItem(dialog, IDC_VALUE_EDIT), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, IDC_SPIN_EDIT), SW_SHOW);
    ShowWindow(GetDlgItem(dialog, IDC_VALUE_SPIN), SW_SHOW);
    SetDlgItemTextA(dialog, IDC_SPIN_EDIT, "256");
    CellCanvas canvas = paint();
    EXPECT_EQ("[256              ]^v", clientText(canvas, 4, 37, 21));
}

TEST_F(PainterTest, DisabledControlsAreDimmed) {
    EnableWindow(GetDlgItem(dialog, IDC_VALUE_EDIT), FALSE);
    CellCanvas canvas = paint();
    EXPECT_EQ('0', canvas.at(1 + 38, 2 + 4).glyph); // the text stays
    EXPECT_EQ(Role::kDisabled, canvas.at(1 + 38, 2 + 4).role);
    EnableWindow(GetDlgItem(dialog, IDC_VALUE_EDIT), TRUE);
    EXPECT_EQ(Role::kField, paint().at(1 + 38, 2 + 4).role);
}

TEST_F(PainterTest, AnOpenDropDownListLiesOverTheControlsBelowIt) {
    HWND combo = GetDlgItem(dialog, IDC_VALUE_COMBO);
    ShowWindow(GetDlgItem(dialog, IDC_VALUE_EDIT), SW_HIDE);
    ShowWindow(combo, SW_SHOW);
    for (const char* item : {"Autonegotiate", "Auto 1000", "Force 100 Full"})
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(combo, CB_SETCURSEL, 2, 0);
    EXPECT_EQ("[Force 100 Full v]", clientText(paint(), 4, 38, 18));
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    CellCanvas canvas = paint();
    EXPECT_EQ("| Autonegotiate  |", clientText(canvas, 5, 38, 18));
    EXPECT_EQ("|>Force 100 Full |", clientText(canvas, 7, 38, 18));
    EXPECT_EQ("+----------------+", clientText(canvas, 8, 38, 18));
}

TEST_F(PainterTest, AListThatOverflowsShowsItsScrollBar) {
    HWND list = GetDlgItem(dialog, IDC_PROPERTY_LIST);
    EXPECT_EQ(std::string::npos, paint().rowText(2 + 4).find('#'));
    for (int i = 0; i < 20; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Zeta"));
    CellCanvas canvas = paint();
    EXPECT_EQ('^', canvas.at(1 + 28, 2 + 4).glyph);
    EXPECT_EQ(terminal::ScrollThumb, canvas.at(1 + 28, 2 + 5).glyph);
    EXPECT_EQ('v', canvas.at(1 + 28, 2 + 16).glyph);
}

TEST_F(PainterTest, OnlyTheFocusedControlHasTheFocusLook) {
    const int listItem = 1 + 4, listRow = 2 + 4; // ">Address"
    SetFocus(GetDlgItem(dialog, IDC_PROPERTY_LIST));
    EXPECT_EQ(Role::kFocus, paint().at(listItem, listRow).role);

    SetFocus(GetDlgItem(dialog, IDOK));
    CellCanvas canvas = paint();
    EXPECT_EQ(Role::kSelection, canvas.at(listItem, listRow).role);
    EXPECT_EQ(Role::kFocus, canvas.at(1 + 33, 2 + 15).role);

    SetFocus(GetDlgItem(dialog, IDC_NOT_PRESENT));
    canvas = paint();
    EXPECT_EQ(Role::kFocus, canvas.at(1 + 33, 2 + 6).role);   // "( )  Disable"
    EXPECT_EQ(Role::kFocus, canvas.at(1 + 44, 2 + 6).role);   // its last letter
    EXPECT_EQ(Role::kButton, canvas.at(1 + 33, 2 + 15).role); // OK
    EXPECT_EQ(Role::kSelection, canvas.at(listItem, listRow).role);

    terminal::Palette monochrome;
    monochrome.setUp(false);
    EXPECT_NE(monochrome.attributes(Role::kFocus), monochrome.attributes(Role::kSelection));
}

TEST_F(PainterTest, AMessageBoxFitsTheSmallestTerminalInWholeWords) {
    portable::ScriptedFrontEnd front;
    front.setScreenSize(SIZE{64 * CellLayout::kCellWidth, 21 * CellLayout::kCellHeight});
    std::vector<std::string> rows;
    front.then([&] {
        CellCanvas canvas = paint();
        for (int row = 0; row < canvas.rows(); ++row)
            rows.push_back(canvas.rowText(row));
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    });
    MessageBoxA(dialog,
                "Could not save NetworkAddress, VLANID, FlowControl, NcBit, NetworkMedia, "
                "JumboFrame, RxQueueSz, PriQ",
                "quorlan", MB_ICONEXCLAMATION);
    ASSERT_EQ(21u, rows.size());
    auto rowWith = [&rows](const std::string& text) {
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].find(text) != std::string::npos)
                return int(i);
        return -1;
    };
    int first = rowWith("/!\\   Could not save NetworkAddress, VLANID, FlowControl,  |");
    ASSERT_LT(0, first);
    EXPECT_EQ(first + 1, rowWith("       NcBit, NetworkMedia, JumboFrame, RxQueueSz, PriQ     |"));
    int caption = rowWith("| quorlan ");
    ASSERT_LT(0, caption);
    EXPECT_EQ('+', rows[size_t(caption - 1)][0]); // the box's frame, inside the terminal
    EXPECT_NE(std::string::npos, rows[size_t(caption)].find("[x] |"));
    EXPECT_LT(first, rowWith("<    OK   >"));
}

TEST(TooSmall, SaysWhatSizeIsNeededInsteadOfTheDialog) {
    CellCanvas canvas(40, 12);
    WindowPainter::tooSmall(canvas, 64, 21);
    std::string all;
    for (int row = 0; row < canvas.rows(); ++row)
        all += canvas.rowText(row) + "\n";
    EXPECT_NE(std::string::npos, all.find("The terminal is too small for the"));
    EXPECT_NE(std::string::npos, all.find("It needs 64 x 21 characters; this one is"));
    EXPECT_NE(std::string::npos, all.find("40 x 12."));
    EXPECT_NE(std::string::npos, all.find("Enlarge it, or press Escape to cancel."));
}

TEST(WrapText, BreaksAtBlanksAndCutsOnlyWordsLongerThanALine) {
    struct Case {
        const char* text;
        int columns;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"one two three", 7, {"one two", "three"}},
        {"one  two", 4, {"one", "two"}}, // the blanks at a break go
        {"abcdefgh ij", 3, {"abc", "def", "gh", "ij"}},
        {"a\r\nb\n\nc", 10, {"a", "b", "", "c"}},
        {"", 5, {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.lines, portable::wrapText(c.text, c.columns)) << c.text;
}

TEST(Labels, PrefixesResolve) {
    struct Case {
        const char* text;
        bool prefixes;
        const char* shown;
        int underlined;
    };
    const Case cases[] = {{"&Defaults", true, "Defaults", 0},
                          {"A&&B", true, "A&B", -1},
                          {"Sa&ve", true, "Save", 2},
                          {"&Defaults", false, "&Defaults", -1},
                          {"End&", true, "End&", -1}};
    for (const Case& c : cases) {
        terminal::Label label = terminal::labelOf(c.text, c.prefixes);
        EXPECT_EQ(c.shown, label.text) << c.text;
        EXPECT_EQ(c.underlined, label.underlined) << c.text;
    }
}
