// StringListContract: the fixture of a control that holds a list of strings, a list box or a
// combo box, filled with labels before each test and read through its own messages.
#pragma once

#include "test_dialog.h"

#include <string>

// A list box's LB_* messages or a combo box's CB_* equivalents. Both answer a refusal with -1
// (LB_ERR, CB_ERR).
struct StringListMessages {
    UINT addString;
    UINT getText;
    UINT getTextLen;
    UINT getCurSel;
    UINT setCurSel;
    UINT selectString;
};

class StringListContract : public ContractTest {
  protected:
    StringListContract(int id, const StringListMessages& messages) : id_(id), messages_(messages) {}

    template <size_t N> void fill(const char* const (&labels)[N]) {
        control_ = item(id_);
        for (const char* label : labels)
            SendMessageA(control_, messages_.addString, 0, reinterpret_cast<LPARAM>(label));
    }

    std::string itemText(int index) const {
        char text[256] = "";
        SendMessageA(control_, messages_.getText, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text));
        return text;
    }
    LRESULT cursel() const { return SendMessageA(control_, messages_.getCurSel, 0, 0); }
    LRESULT setCursel(int index) const {
        return SendMessageA(control_, messages_.setCurSel, static_cast<WPARAM>(index), 0);
    }
    LRESULT selectString(const char* prefix) const {
        return SendMessageA(control_, messages_.selectString, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(prefix));
    }

    // From the selection at `from`, the prefix selects the item at `expected` and says so, or
    // finds none (LB_ERR) and keeps the selection.
    void expectSelectString(int from, const char* prefix, LRESULT expected) const {
        setCursel(from);
        EXPECT_EQ(expected, selectString(prefix)) << '"' << prefix << '"';
        EXPECT_EQ(expected == LB_ERR ? from : expected, cursel()) << '"' << prefix << '"';
    }

    // An index past the end is refused by every message that takes one.
    void expectIndexRefused(int index) const {
        EXPECT_EQ(LB_ERR, setCursel(index));
        EXPECT_EQ(LB_ERR,
                  SendMessageA(control_, messages_.getTextLen, static_cast<WPARAM>(index), 0));
        char text[8] = "x";
        EXPECT_EQ(LB_ERR, SendMessageA(control_, messages_.getText, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(text)));
    }

  private:
    int id_;
    StringListMessages messages_;
    HWND control_ = nullptr;
};
