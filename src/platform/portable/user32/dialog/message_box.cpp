// MessageBoxA as a real dialog of class "#32770": its text in a static with id 0xFFFF, its icon
// in an SS_ICON static, and its buttons, so that code finds, reads and answers it as it would
// on Windows.
#include "platform/portable/user32/dialog/dialog.h"
#include "platform/portable/user32/dialog/dialog_manager.h"
#include "platform/portable/text_wrap.h"
#include "platform/portable/user32/windowing/window_system.h"

#include <algorithm>
#include <string>
#include <vector>

namespace portable {

namespace {
// The message box text static, as in the real one (MessageBoxContract.IsFoundReadAndAnswered).
constexpr int kTextId = 0xFFFF;
constexpr int kIconId = 0x0440; // the icon static

struct ButtonSpec {
    int id;
    const char* text;
};

std::vector<ButtonSpec> buttonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case 2: // MB_ABORTRETRYIGNORE
        return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case 3: // MB_YESNOCANCEL
        return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
        return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case 5: // MB_RETRYCANCEL
        return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    default:
        return {{IDOK, "OK"}};
    }
}

LPCSTR iconFor(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return IDI_HAND;
    case MB_ICONQUESTION:
        return IDI_QUESTION;
    case MB_ICONEXCLAMATION:
        return IDI_EXCLAMATION;
    case MB_ICONASTERISK:
        return IDI_ASTERISK;
    default:
        return nullptr;
    }
}

INT_PTR CALLBACK messageBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message != WM_COMMAND)
        return FALSE;
    int id = LOWORD(wParam);
    if (id == IDCANCEL && !GetDlgItem(box, IDCANCEL)) {
        // Escape answers OK in a box whose only button is OK, and nothing otherwise.
        if (!GetDlgItem(box, IDOK))
            return TRUE;
        id = IDOK;
    }
    if (GetDlgItem(box, id))
        EndDialog(box, id);
    return TRUE;
}

// The widest of the lines, in characters.
LONG widest(const std::vector<std::string>& lines) {
    size_t most = 0;
    for (const std::string& line : lines)
        most = std::max(most, line.size());
    return LONG(most);
}

// The box's width and its text's lines. As on Windows, the text wraps at word boundaries so
// that the box stays within the screen, and the box is made wide enough for its caption and
// buttons where the screen allows.
struct BoxShape {
    LONG width = 0;
    std::vector<std::string> lines;
};
BoxShape shapeBox(const std::string& text, const std::string& caption, LONG textLeft,
                  LONG buttonsWidth) {
    constexpr LONG kCell = 4;
    constexpr LONG kFrame = kCell;            // on each side, around the box
    constexpr LONG kCaptionExtra = 6 * kCell; // its margin and the close box
    SIZE screen = screenSize();
    LONG most = std::max<LONG>(textLeft + 8 * kCell, std::min<LONG>(312, screen.cx - 2 * kFrame));
    BoxShape shape;
    shape.lines = wrapText(text, int((most - textLeft - 2 * kCell) / kCell));
    LONG wanted = std::max({textLeft + widest(shape.lines) * kCell + 2 * kCell, buttonsWidth + 16,
                            LONG(caption.size()) * kCell + kCaptionExtra});
    shape.width = std::min(most, wanted);
    return shape;
}

HWND makeChild(HWND box, const char* className, const std::string& text, DWORD style, int id,
               RECT rect) {
    CreateParams params;
    params.className = className;
    params.text = text.c_str();
    params.style = WS_CHILD | WS_VISIBLE | style;
    params.rect = rect;
    params.parent = box;
    params.id = id;
    return createWindow(params);
}

HWND makeBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    std::vector<ButtonSpec> buttons = buttonsFor(type);
    LPCSTR icon = iconFor(type);
    LONG textLeft = icon ? 32 : 8;
    LONG buttonsWidth = LONG(buttons.size()) * 48;
    BoxShape shape = shapeBox(text, caption, textLeft, buttonsWidth);
    LONG width = shape.width;
    LONG textHeight = std::max<LONG>(LONG(shape.lines.size()) * 8, icon ? 16 : 8);
    LONG height = 8 + textHeight + 8 + 14 + 8;

    HWND top = owner;
    while (Window* w = windows().find(top)) {
        if (!w->parent)
            break;
        top = w->parent;
    }
    CreateParams params;
    params.className = kDialogClassName;
    params.text = caption.c_str();
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    params.parent = windows().find(top) ? top : nullptr;
    SIZE screen = screenSize();
    RECT area{0, 0, screen.cx, screen.cy};
    if (params.parent)
        GetWindowRect(params.parent, &area);
    LONG x = std::max<LONG>(0, (area.left + area.right - width) / 2);
    LONG y = std::max<LONG>(0, (area.top + area.bottom - height - 8) / 2);
    params.rect = RECT{x, y, x + width, y + height + 8};
    HWND box = createDialogWindow(params, messageBoxProc);
    if (!box)
        return nullptr;

    if (icon) {
        HWND iconStatic = makeChild(box, "Static", "", SS_ICON, kIconId, RECT{8, 8, 24, 24});
        SendMessageA(iconStatic, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, icon)),
                     0);
    }
    makeChild(box, "Static", text, SS_LEFT | SS_NOPREFIX, kTextId,
              RECT{textLeft, 8, width - 8, 8 + textHeight});
    LONG left = (width - buttonsWidth) / 2 + 2;
    LONG buttonTop = 8 + textHeight + 8;
    int defaultIndex = int((type >> 8) & 0xF); // MB_DEFBUTTON2 and up
    for (size_t i = 0; i < buttons.size(); ++i) {
        bool isDefault = int(i) == (defaultIndex < int(buttons.size()) ? defaultIndex : 0);
        DWORD style =
            WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | (i == 0 ? WS_GROUP : 0);
        LONG bx = left + LONG(i) * 48;
        makeChild(box, "Button", buttons[i].text, style, buttons[i].id,
                  RECT{bx, buttonTop, bx + 44, buttonTop + 14});
        if (isDefault)
            dialogOf(box)->defaultId = buttons[i].id;
    }
    return box;
}
} // namespace

} // namespace portable

extern "C" int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    using namespace portable;
    if (owner && !windows().find(owner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    registerDialogClasses();
    HWND box = makeBox(owner, text ? text : "", caption ? caption : "Error", type);
    if (!box)
        return 0;
    SendMessageA(box, WM_INITDIALOG, 0, 0);
    if (Dialog* state = dialogOf(box))
        if (HWND button = GetDlgItem(box, state->defaultId))
            focusControl(box, button);
    // Once the box holds the focus: disabling the owner first would take the focus from the
    // owner's control before the owner's dialog saved it.
    disableOwner(box, owner);
    return int(runModal(box));
}
