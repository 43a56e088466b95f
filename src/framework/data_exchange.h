// Data exchange between a dialog's controls and its members, in one of two directions: save
// (controls into members) or load (members into controls). Texts are fixed buffers: what is
// read is cut to fit and terminated.
#pragma once

#include "framework/wnd.h"

#include <cstddef>

class CDataExchange {
  public:
    CDataExchange(const CWnd& dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), dialog_(dialog) {}

    HWND controlWindow(int id) const { return dialog_.GetDlgItem(id); }

    const BOOL m_bSaveAndValidate; // TRUE: controls into members

  private:
    const CWnd& dialog_;
};

// Attaches the control window to its object on the first exchange; later ones do nothing.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Save: the combo box's window text. Load: select the first item beginning with the text (any
// case), else set the window text, which a drop-down list ignores.
void DDX_CBString(CDataExchange* dx, int id, char* text, size_t size);
// Save: the selected item's text, empty without a selection. Load: select the first item
// beginning with the text (any case).
void DDX_LBString(CDataExchange* dx, int id, char* text, size_t size);
// Save: the window text. Load: set it.
void DDX_Text(CDataExchange* dx, int id, char* text, size_t size);
