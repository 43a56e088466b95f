#include "framework/dialog.h"

#include "framework/common_controls.h"
#include "framework/win_app.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

INT_PTR CDialog::DoModal() {
    AfxRegisterCommonControls();
    HWND owner = parent_ != nullptr ? parent_->m_hWnd : GetActiveWindow();
    INT_PTR result = DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(templateId_), owner,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return result;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnHelpInfo(HELPINFO*) {
    SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0));
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->m_hWnd = window;
    }
    // Messages that come before WM_INITDIALOG (WM_SETFONT) find no object yet.
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    return dialog != nullptr ? dialog->OnMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialogCentred();
    case WM_COMMAND:
        return OnCommand(HIWORD(wParam), LOWORD(wParam));
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_HELP:
        // Handled here, so the default procedure does not pass it on to the owner.
        return OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam));
    default:
        return FALSE;
    }
}

// The dialog manager leaves a dialog at its template position; the framework centres it before
// it is first shown, unless its initialisation placed it itself.
BOOL CDialog::OnInitDialogCentred() {
    RECT before{};
    ::GetWindowRect(m_hWnd, &before);
    BOOL result = OnInitDialog();
    RECT after{};
    if (::GetWindowRect(m_hWnd, &after) && after.left == before.left && after.top == before.top)
        CenterWindow();
    return result;
}

BOOL CDialog::OnCommand(UINT code, UINT id) {
    if (OnCmdMsg(id, code))
        return TRUE;
    // Enter, Escape and the system menu's Close arrive as clicks of IDOK / IDCANCEL.
    if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    // What the dialog does not map goes to the application, with the dialog's help context.
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->RouteCommand(id, code, HelpContext()) : FALSE;
}

BOOL CDialog::OnNotify(NMHDR* header) {
    const AfxMessageMapEntry* entry =
        header != nullptr ? FindEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom))
                          : nullptr;
    if (entry == nullptr)
        return FALSE;
    LRESULT result = 0;
    (this->*entry->onNotify)(header, &result);
    // A dialog procedure hands a notification's result back through DWLP_MSGRESULT.
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
