// CDialog: a modal dialog from a template of this module's resources, with a message map,
// data exchange, and OK / Cancel handling.
#pragma once

#include "framework/data_exchange.h"
#include "framework/message_map.h"
#include "framework/wnd.h"

class CDialog : public CWnd {
  public:
    CDialog(UINT templateId, CWnd* parent);

    // Runs the dialog modally, owned by the thread's active window (or the parent when given).
    // Returns the value the dialog ended with, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(INT_PTR result) const { ::EndDialog(m_hWnd, result); }
    // One exchange in the given direction (TRUE: controls into members).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // The help context of the dialog: the framework's base for resources plus its template id.
    DWORD_PTR HelpContext() const { return HID_BASE_RESOURCE + templateId_; }

  protected:
    virtual void DoDataExchange(CDataExchange* dx);
    // The controls exist; a first exchange into them binds them. Non-zero: the dialog manager
    // puts the focus on the first control with a tab stop.
    virtual BOOL OnInitDialog();
    // One more exchange from the controls, then the end with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    // F1: raises the framework's Help command, which the application handles unless the
    // dialog's own map does.
    virtual BOOL OnHelpInfo(HELPINFO* info);

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialogCentred();
    BOOL OnCommand(UINT code, UINT id);
    BOOL OnNotify(NMHDR* header);

    UINT templateId_;
    CWnd* parent_;
};
