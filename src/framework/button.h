// CButton: a push button or radio button.
#pragma once

#include "framework/wnd.h"

class CButton : public CWnd {
  public:
    // Sets the check state; unlike a click, this raises no notification.
    void SetCheck(int check) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
};
