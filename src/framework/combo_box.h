// CComboBox: a combo box; the dialog uses a drop-down list, whose items keep their order.
#pragma once

#include "framework/window_text.h"
#include "framework/wnd.h"

class CComboBox : public CWnd {
  public:
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    int AddString(const char* text) const {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) const {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    // The item's text cut to `size` bytes; empty when there is no such item.
    void GetLBText(int index, char* text, size_t size) const {
        readItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, index, text, size);
    }
};
