#include "framework/data_exchange.h"

#include "framework/window_text.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd == nullptr)
        control.Attach(dx->controlWindow(id));
}

void DDX_CBString(CDataExchange* dx, int id, char* text, size_t size) {
    HWND combo = dx->controlWindow(id);
    if (dx->m_bSaveAndValidate) {
        readWindowText(combo, text, size);
        return;
    }
    LRESULT found = SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text));
    if (found == CB_ERR)
        SetWindowTextA(combo, text);
}

void DDX_LBString(CDataExchange* dx, int id, char* text, size_t size) {
    HWND list = dx->controlWindow(id);
    if (dx->m_bSaveAndValidate) {
        int selected = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
        if (selected == LB_ERR && size > 0)
            text[0] = '\0';
        else
            readItemText(list, LB_GETTEXTLEN, LB_GETTEXT, selected, text, size);
        return;
    }
    SendMessageA(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
}

void DDX_Text(CDataExchange* dx, int id, char* text, size_t size) {
    HWND edit = dx->controlWindow(id);
    if (dx->m_bSaveAndValidate)
        readWindowText(edit, text, size);
    else
        SetWindowTextA(edit, text);
}
