// CSpinButtonCtrl: an up-down control with a buddy edit that shows its position.
#pragma once

#include "framework/wnd.h"

class CSpinButtonCtrl : public CWnd {
  public:
    void SetBase(int base) const { SendMessage(UDM_SETBASE, static_cast<WPARAM>(base)); }
    void SetBuddy(const CWnd& buddy) const {
        SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy.m_hWnd));
    }
    void SetRange(short lower, short upper) const {
        SendMessage(UDM_SETRANGE, 0, MAKELPARAM(upper, lower));
    }
    // Only the low 16 bits are passed; the control clamps them to its range.
    void SetPos(int position) const { SendMessage(UDM_SETPOS, 0, MAKELPARAM(position, 0)); }
    // The position parsed from the buddy's text; `*error` is TRUE when that text
    // is out of range or not a number.
    int GetPos(BOOL* error) const {
        LRESULT result = SendMessage(UDM_GETPOS);
        *error = HIWORD(result) != 0 ? TRUE : FALSE;
        return static_cast<short>(LOWORD(result));
    }
};
