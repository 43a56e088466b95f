// StringListContract: the fixture of a control that holds a list of strings, a list box or a
// combo box, filled with labels before each test and read through its own messages.
#pragma once

#include "test_dialog.h"

#include <string>

// A list box's LB_* messages or a combo box's CB_* equivalents.
struct StringListMessages {
    UINT addString;
    UINT getText;
    UINT getCurSel;
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
    LRESULT selectString(const char* prefix) const {
        return SendMessageA(control_, messages_.selectString, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(prefix));
    }

  private:
    int id_;
    StringListMessages messages_;
    HWND control_ = nullptr;
};
