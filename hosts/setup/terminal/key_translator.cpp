#include "key_translator.h"

#include <cctype>
#include <strings.h>

namespace terminal {

namespace {
constexpr LPARAM kAltContext = LPARAM(1) << 29; // lParam bit 29: Alt was held

MSG message(HWND target, UINT id, WPARAM wParam, LPARAM lParam = 1) {
    MSG msg{};
    msg.hwnd = target;
    msg.message = id;
    msg.wParam = wParam;
    msg.lParam = lParam;
    return msg;
}

// A key down, its character when it has one, and the key up.
void press(std::vector<MSG>& out, HWND target, WPARAM key, int character = -1) {
    out.push_back(message(target, WM_KEYDOWN, key));
    if (character >= 0)
        out.push_back(message(target, WM_CHAR, WPARAM(character)));
    out.push_back(message(target, WM_KEYUP, key, LPARAM(0xC0000001)));
}

WPARAM virtualKey(Key key) {
    switch (key) {
    case Key::kBackspace:
        return VK_BACK;
    case Key::kDelete:
        return VK_DELETE;
    case Key::kUp:
        return VK_UP;
    case Key::kDown:
        return VK_DOWN;
    case Key::kLeft:
        return VK_LEFT;
    case Key::kRight:
        return VK_RIGHT;
    case Key::kHome:
        return VK_HOME;
    case Key::kEnd:
        return VK_END;
    case Key::kPageUp:
        return VK_PRIOR;
    case Key::kPageDown:
        return VK_NEXT;
    case Key::kF1:
        return VK_F1;
    case Key::kF4:
        return VK_F4;
    default:
        return 0;
    }
}

// The virtual key of a character: letters as capitals, digits as themselves.
WPARAM characterKey(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (std::isalpha(u))
        return WPARAM(std::toupper(u));
    if (std::isdigit(u))
        return WPARAM(u);
    return 0;
}

bool isDropDownList(HWND window) {
    char name[16] = "";
    GetClassNameA(window, name, int(sizeof name));
    return strcasecmp(name, "ComboBox") == 0 &&
           (GetWindowLongA(window, GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
}
} // namespace

std::vector<MSG> KeyTranslator::translate(const InputEvent& event) {
    HWND target = GetFocus();
    if (!target)
        target = GetActiveWindow();
    if (!target || event.kind != InputEvent::Kind::kKey)
        return {};
    return keyMessages(target, event);
}

bool KeyTranslator::post(const InputEvent& event) {
    std::vector<MSG> messages = translate(event);
    for (const MSG& msg : messages)
        PostMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    return !messages.empty();
}

std::vector<MSG> KeyTranslator::keyMessages(HWND target, const InputEvent& event) {
    std::vector<MSG> out;
    if (event.alt) {
        WPARAM key =
            event.key == Key::kCharacter ? characterKey(event.character) : virtualKey(event.key);
        if (!key)
            return out;
        out.push_back(message(target, WM_SYSKEYDOWN, key, 1 | kAltContext));
        if (event.key == Key::kCharacter)
            out.push_back(message(target, WM_SYSCHAR,
                                  WPARAM(static_cast<unsigned char>(event.character)),
                                  1 | kAltContext));
        out.push_back(message(target, WM_SYSKEYUP, key, LPARAM(0xE0000001)));
        return out;
    }
    switch (event.key) {
    case Key::kCharacter:
        if (event.character == ' ')
            return spaceMessages(target);
        press(out, target, characterKey(event.character),
              static_cast<unsigned char>(event.character));
        break;
    case Key::kTab:
        press(out, target, VK_TAB, '\t');
        break;
    case Key::kBackTab:
        out.push_back(message(target, WM_KEYDOWN, VK_SHIFT));
        press(out, target, VK_TAB, '\t');
        out.push_back(message(target, WM_KEYUP, VK_SHIFT, LPARAM(0xC0000001)));
        break;
    case Key::kEnter:
        press(out, target, VK_RETURN, '\r');
        break;
    case Key::kEscape:
        press(out, target, VK_ESCAPE, 0x1B);
        break;
    case Key::kBackspace:
        press(out, target, VK_BACK, '\b');
        break;
    case Key::kInterrupt:
        if (HWND active = GetActiveWindow())
            out.push_back(message(active, WM_SYSCOMMAND, SC_CLOSE, 0));
        break;
    case Key::kF1:
        // Windows posts WM_KEYF1 as the key-down of F1 leaves the queue; it asks for help.
        out.push_back(message(target, WM_KEYDOWN, VK_F1));
        out.push_back(message(target, WM_KEYF1, 0, 0));
        out.push_back(message(target, WM_KEYUP, VK_F1, LPARAM(0xC0000001)));
        break;
    case Key::kNone:
        break;
    default:
        press(out, target, virtualKey(event.key));
        break;
    }
    return out;
}

std::vector<MSG> KeyTranslator::spaceMessages(HWND target) {
    std::vector<MSG> out;
    if (!isDropDownList(target)) {
        press(out, target, VK_SPACE, ' ');
    } else if (SendMessageA(target, CB_GETDROPPEDSTATE, 0, 0)) {
        press(out, target, VK_RETURN, '\r');
    } else {
        out.push_back(message(target, WM_SYSKEYDOWN, VK_DOWN, 1 | kAltContext));
        out.push_back(message(target, WM_SYSKEYUP, VK_DOWN, LPARAM(0xE0000001)));
    }
    return out;
}

} // namespace terminal
