// CEdit: an edit control.
#pragma once

#include "framework/wnd.h"

class CEdit : public CWnd {
  public:
    // Limits what a person can type; text set by code is not cut.
    void LimitText(int count) const { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(count)); }
    // Deletes the selected text.
    void Clear() const { SendMessage(WM_CLEAR); }
};
