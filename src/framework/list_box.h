// CListBox: a list box.
#pragma once

#include "framework/window_text.h"
#include "framework/wnd.h"

class CListBox : public CWnd {
  public:
    int AddString(const char* text) const {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) const {
        return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    // The item's text cut to `size` bytes; empty when there is no such item.
    void GetText(int index, char* text, size_t size) const {
        readItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, index, text, size);
    }
};
