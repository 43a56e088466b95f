#include "platform/portable/user32/dialog/dialog_manager.h"

#include "platform/portable/user32/dialog/dialog.h"
#include "platform/portable/user32/dialog/template_reader.h"
#include "platform/portable/user32/controls/control_classes.h"
#include "platform/portable/user32/windowing/message_queue.h"
#include "platform/portable/user32/windowing/window_system.h"

#include <cctype>
#include <cstdint>
#include <cstring>

namespace portable {

namespace {
// Where Windows puts a dialog: at its template position, in the owner's client coordinates
// (the screen's with DS_ABSALIGN or without an owner); DS_CENTER centres it over the work area
// instead. Centring over the owner is left to the dialog's code (WindowGeometryContract.Unowned-
// DialogOpensAtItsTemplatePosition, WindowGeometryContract.OwnedPopupIsPlacedByItsOwnRectangle).
RECT placeDialog(const DialogDescription& d, HWND owner) {
    LONG width = d.rect.right - d.rect.left;
    LONG height = d.rect.bottom - d.rect.top + ((d.style & WS_CAPTION) ? 8 : 0);
    POINT at{d.rect.left, d.rect.top};
    if (d.style & DS_CENTER) {
        SIZE screen = screenSize();
        at.x = (screen.cx - width) / 2;
        at.y = (screen.cy - height) / 2;
    } else if (owner && !(d.style & (DS_ABSALIGN | WS_CHILD))) {
        ClientToScreen(owner, &at);
    }
    return RECT{at.x, at.y, at.x + width, at.y + height};
}

class TemplateInUse {
  public:
    TemplateInUse(const void* data, size_t size) {
        bool sized = data && size > 0 && size < SIZE_MAX / 2; // not read up to its own end
        if (!sized || user32.lastTemplate.inUse)
            return;
        auto* bytes = static_cast<const BYTE*>(data);
        if (user32.lastTemplate.bytes.size() != size ||
            std::memcmp(user32.lastTemplate.bytes.data(), bytes, size) != 0) {
            user32.lastTemplate.bytes.clear();
            if (!readTemplate(data, size, user32.lastTemplate.description))
                return;
            user32.lastTemplate.bytes.assign(bytes, bytes + size);
        }
        user32.lastTemplate.inUse = true;
        description_ = &user32.lastTemplate.description;
    }
    ~TemplateInUse() {
        if (description_)
            user32.lastTemplate.inUse = false;
    }
    TemplateInUse(const TemplateInUse&) = delete;
    TemplateInUse& operator=(const TemplateInUse&) = delete;

    // The template read, or nullptr when the caller must read it.
    const DialogDescription* description() const { return description_; }

  private:
    const DialogDescription* description_ = nullptr;
};

bool createControls(HWND dialog, HINSTANCE instance, const DialogDescription& d) {
    Dialog* state = dialogOf(dialog);
    for (const ItemDescription& item : d.items) {
        CreateParams params;
        params.className = item.className.c_str();
        params.text = item.text.c_str();
        params.style = item.style | WS_CHILD;
        params.exStyle = item.exStyle;
        params.rect = item.rect; // one pixel per dialog unit
        params.parent = dialog;
        params.id = item.id;
        params.instance = instance;
        HWND control = createWindow(params);
        if (!control)
            return false;
        if (!state->defaultId && (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
            state->defaultId = item.id;
    }
    return true;
}

// An arrow key moves the focus within the group of the control. Onto a radio button, the focus
// alone moves and an auto radio not yet checked is clicked; onto any other control, the focus
// moves as WM_NEXTDLGCTL moves it.
void arrowInGroup(HWND dialog, const MSG& msg) {
    bool previous = msg.wParam == VK_LEFT || msg.wParam == VK_UP;
    HWND next = nextGroupItem(dialog, msg.hwnd, previous);
    LPARAM asked = reinterpret_cast<LPARAM>(&msg);
    if (next &&
        SendMessageA(next, WM_GETDLGCODE, msg.wParam, asked) == (DLGC_BUTTON | DLGC_RADIOBUTTON)) {
        SetFocus(next);
        if ((GetWindowLongA(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
            SendMessageA(next, BM_GETCHECK, 0, 0) != BST_CHECKED)
            SendMessageA(next, BM_CLICK, 1, 0);
        return;
    }
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

// Pressing a key of the dialog: Tab, arrows among a group, Enter, Escape.
bool dialogKey(HWND dialog, const MSG& msg, LRESULT code) {
    switch (msg.wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return false;
        SendMessageA(dialog, WM_NEXTDLGCTL, (GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0, 0);
        return true;
    case VK_ESCAPE:
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    case VK_RETURN: {
        HWND focus = GetFocus();
        if (IsChild(dialog, focus) &&
            (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                         reinterpret_cast<LPARAM>(focus));
            return true;
        }
        LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
        if (HIWORD(def) == DC_HASDEFID) {
            HWND button = GetDlgItem(dialog, LOWORD(def));
            if (!button || IsWindowEnabled(button))
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(def), BN_CLICKED),
                             reinterpret_cast<LPARAM>(button));
        } else {
            SendMessageA(dialog, WM_COMMAND, IDOK,
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        }
        return true;
    }
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS)
            return false;
        arrowInGroup(dialog, msg);
        return true;
    default:
        return false;
    }
}

// The character after a single '&' in a control's text, lower-cased; 0 when none.
int mnemonicOf(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return std::tolower(static_cast<unsigned char>(text[i + 1]));
    }
    return 0;
}

// A letter pressed with Alt, or alone where the focus takes no characters: the control whose
// mnemonic it is acts, a button as if clicked, a label by passing the focus on.
bool mnemonic(HWND dialog, WPARAM key) {
    int wanted = std::tolower(int(key & 0xFF));
    Window* window = windows().find(dialog);
    if (!window || !wanted)
        return false;
    std::vector<HWND> children = window->children;
    for (HWND child : children) {
        Window* control = windows().find(child);
        if (!control || !isShownAndEnabled(child) || mnemonicOf(control->text) != wanted)
            continue;
        LRESULT code = SendMessageA(child, WM_GETDLGCODE, 0, 0);
        if (code & DLGC_STATIC) {
            if (HWND next = nextTabItem(dialog, child, false))
                focusControl(dialog, next);
        } else if (code & DLGC_BUTTON) {
            SendMessageA(child, BM_CLICK, 0, 0);
        } else {
            continue;
        }
        return true;
    }
    return false;
}
} // namespace

void registerDialogClasses() {
    static bool done = false;
    if (done)
        return;
    done = true;
    registerControlClasses();
    registerWindowClass(kDialogClassName, DefDlgProcA,
                        [] { return std::unique_ptr<Control>(new Dialog()); });
}

void disableOwner(HWND dialog, HWND owner) {
    Dialog* d = dialogOf(dialog);
    HWND top = topLevelOf(owner);
    if (!d || !top || top == dialog)
        return;
    d->modalOwner = top;
    EnableWindow(top, FALSE);
}

HWND createDialogWindow(const CreateParams& params, DLGPROC proc) {
    HWND dialog = createWindow(params);
    if (!dialog)
        return nullptr;
    Window* window = windows().find(dialog);
    window->extra.assign(3, 0);
    window->extra[DWLP_DLGPROC / sizeof(LONG_PTR)] = reinterpret_cast<LONG_PTR>(proc);
    return dialog;
}

HWND createDialog(HINSTANCE instance, const void* data, size_t size, HWND owner, DLGPROC proc,
                  LPARAM param, bool modal) {
    registerDialogClasses();
    DialogDescription local;
    TemplateInUse cached(data, size);
    if (!cached.description() && !readTemplate(data, size, local)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const DialogDescription& d = cached.description() ? *cached.description() : local;
    CreateParams params;
    params.className = kDialogClassName;
    params.text = d.caption.c_str();
    params.style = d.style & ~DWORD(WS_VISIBLE);
    params.exStyle = d.exStyle;
    params.parent = (d.style & WS_CHILD) ? owner : topLevelOf(owner);
    params.rect = placeDialog(d, params.parent);
    params.instance = instance;
    HWND dialog = createDialogWindow(params, proc);
    if (!dialog)
        return nullptr;
    if (!createControls(dialog, instance, d)) {
        DestroyWindow(dialog);
        return nullptr;
    }
    if (modal)
        disableOwner(dialog, owner);
    HWND first = nextTabItem(dialog, nullptr, false);
    if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) &&
        IsWindow(dialog)) {
        // Asked for the default focus: the first tab stop, as it is now.
        if (HWND focus = nextTabItem(dialog, nullptr, false))
            focusControl(dialog, focus);
        else
            SetFocus(dialog);
    }
    if (IsWindow(dialog) && (d.style & WS_VISIBLE))
        ShowWindow(dialog, SW_SHOW);
    return IsWindow(dialog) ? dialog : nullptr;
}

INT_PTR runModal(HWND dialog) {
    ModalState state;
    Dialog* d = dialogOf(dialog);
    d->modal = &state;
    // EndDialog may already have been called by WM_INITDIALOG.
    state.ended = d->ended;
    state.result = d->result;
    // Disabled before WM_INITDIALOG; a run nested there over the same owner enabled it when it
    // ended, and it stays so, as on Windows.
    HWND top = d->modalOwner;
    HWND owner = GetWindow(dialog, GW_OWNER);
    int closeAttempts = 0;
    while (!state.ended && IsWindow(dialog)) {
        MSG msg;
        if (!takeMessage(msg, nullptr, 0, 0, true)) {
            // The dialog appears once the messages of its start are handled.
            if (!IsWindowVisible(dialog)) {
                ShowWindow(dialog, SW_SHOW);
                SetActiveWindow(dialog);
                continue;
            }
            if (waitForSomething())
                continue;
            // No one will ever answer: close as the system menu would, then insist.
            if (++closeAttempts <= 2)
                PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            else
                EndDialog(dialog, IDCANCEL);
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (Dialog* still = dialogOf(dialog)) {
        still->modal = nullptr;
        if (still->modalOwner)
            EnableWindow(still->modalOwner, TRUE);
        still->modalOwner = nullptr;
        DestroyWindow(dialog);
    } else if (top) {
        EnableWindow(top, TRUE);
    }
    if (owner && IsWindow(owner))
        SetActiveWindow(owner);
    return state.ended ? state.result : -1;
}

} // namespace portable

using namespace portable;

extern "C" {

LRESULT WINAPI DefDlgProcA(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* window = windows().find(dialog);
    if (!window || !window->control)
        return 0;
    return window->control->handle(*window, msg, wParam, lParam);
}

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate,
                                       HWND owner, DLGPROC dialogProc, LPARAM initParam) {
    // A template in memory carries no size: it is read up to its own end.
    return createDialog(instance, dialogTemplate, SIZE_MAX / 2, owner, dialogProc, initParam,
                        false);
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate,
                                       HWND owner, DLGPROC dialogProc, LPARAM initParam) {
    HWND dialog =
        createDialog(instance, dialogTemplate, SIZE_MAX / 2, owner, dialogProc, initParam, true);
    if (!dialog)
        return -1;
    return runModal(dialog);
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    Dialog* state = dialogOf(dialog);
    if (!state) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    state->ended = true;
    state->result = result;
    if (state->modal) {
        state->modal->ended = true;
        state->modal->result = result;
    }
    if (state->modalOwner) {
        EnableWindow(state->modalOwner, TRUE);
        state->modalOwner = nullptr;
    }
    ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
    // One pixel per dialog unit: the base units are 4 x 8 and a cell is 4 x 8 pixels.
    return dialogOf(dialog) && rect ? TRUE : FALSE;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    Window* window = windows().find(dialog);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const std::vector<int>& ids = window->childIds;
    for (size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == id)
            return window->children[i];
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND window) {
    Window* w = windows().find(window);
    return (w && w->isChild()) ? w->id : 0;
}

LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(dialog, id);
    return control ? SendMessageA(control, msg, wParam, lParam) : 0;
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    return SetWindowTextA(GetDlgItem(dialog, id), text);
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR text, int maxCount) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) {
        if (text && maxCount > 0)
            text[0] = '\0';
        return 0;
    }
    return UINT(GetWindowTextA(control, text, maxCount));
}

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        return FALSE;
    SendMessageA(control, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control ? UINT(SendMessageA(control, BM_GETCHECK, 0, 0)) : 0;
}

BOOL WINAPI CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    Window* window = windows().find(dialog);
    if (!window)
        return FALSE;
    std::vector<HWND> children = window->children;
    for (HWND child : children) {
        int id = GetDlgCtrlID(child);
        if (id >= firstId && id <= lastId)
            SendMessageA(child, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

BOOL WINAPI IsDialogMessageA(HWND dialog, LPMSG msg) {
    if (!msg || !dialogOf(dialog))
        return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))
        return FALSE;
    // Only the keys the dialog manager handles ask the control what it wants, as on Windows.
    bool key = msg->message == WM_KEYDOWN || msg->message == WM_CHAR || msg->message == WM_SYSCHAR;
    LRESULT code =
        key ? SendMessageA(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg))
            : 0;
    if (key && !(code & DLGC_WANTMESSAGE)) {
        switch (msg->message) {
        case WM_KEYDOWN:
            if (dialogKey(dialog, *msg, code))
                return TRUE;
            break;
        case WM_CHAR:
            if (code & DLGC_WANTCHARS)
                break;
            if (msg->wParam == '\t' && (code & DLGC_WANTTAB))
                break;
            if (msg->wParam >= 0x20 && mnemonic(dialog, msg->wParam))
                return TRUE;
            if (msg->wParam == '\t' || msg->wParam == '\r' || msg->wParam == 0x1B)
                return TRUE;
            break;
        case WM_SYSCHAR:
            if (mnemonic(dialog, msg->wParam))
                return TRUE;
            break;
        default:
            break;
        }
    }
    TranslateMessage(msg);
    DispatchMessageA(msg);
    return TRUE;
}

BOOL WINAPI MessageBeep(UINT) {
    return TRUE;
}
}
