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
    // The whole result: the position parsed from the buddy's text in the low half, and a high
    // half of 1 when that text is out of range or not a number.
    LRESULT GetPos() const { return SendMessage(UDM_GETPOS); }
};
