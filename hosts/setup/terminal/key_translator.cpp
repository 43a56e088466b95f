#include "key_translator.h"

#include <cctype>
#include <strings.h>

namespace terminal {

namespace {
constexpr LPARAM altContext = LPARAM(1) << 29; // lParam bit 29: Alt was held

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
    case Key::Backspace:
        return VK_BACK;
    case Key::Delete:
        return VK_DELETE;
    case Key::Up:
        return VK_UP;
    case Key::Down:
        return VK_DOWN;
    case Key::Left:
        return VK_LEFT;
    case Key::Right:
        return VK_RIGHT;
    case Key::Home:
        return VK_HOME;
    case Key::End:
        return VK_END;
    case Key::PageUp:
        return VK_PRIOR;
    case Key::PageDown:
        return VK_NEXT;
    case Key::F1:
        return VK_F1;
    case Key::F4:
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
    if (!target || event.kind != InputEvent::Kind::Key)
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
            event.key == Key::Character ? characterKey(event.character) : virtualKey(event.key);
        if (!key)
            return out;
        out.push_back(message(target, WM_SYSKEYDOWN, key, 1 | altContext));
        if (event.key == Key::Character)
            out.push_back(message(target, WM_SYSCHAR,
                                  WPARAM(static_cast<unsigned char>(event.character)),
                                  1 | altContext));
        out.push_back(message(target, WM_SYSKEYUP, key, LPARAM(0xE0000001)));
        return out;
    }
    switch (event.key) {
    case Key::Character:
        if (event.character == ' ')
            return spaceMessages(target);
        press(out, target, characterKey(event.character),
              static_cast<unsigned char>(event.character));
        break;
    case Key::Tab:
        press(out, target, VK_TAB, '\t');
        break;
    case Key::BackTab:
        out.push_back(message(target, WM_KEYDOWN, VK_SHIFT));
        press(out, target, VK_TAB, '\t');
        out.push_back(message(target, WM_KEYUP, VK_SHIFT, LPARAM(0xC0000001)));
        break;
    case Key::Enter:
        press(out, target, VK_RETURN, '\r');
        break;
    case Key::Escape:
        press(out, target, VK_ESCAPE, 0x1B);
        break;
    case Key::Backspace:
        press(out, target, VK_BACK, '\b');
        break;
    case Key::Interrupt:
        if (HWND active = GetActiveWindow())
            out.push_back(message(active, WM_SYSCOMMAND, SC_CLOSE, 0));
        break;
    case Key::F1:
        // Windows posts WM_KEYF1 as the key-down of F1 leaves the queue; it asks for help.
        out.push_back(message(target, WM_KEYDOWN, VK_F1));
        out.push_back(message(target, WM_KEYF1, 0, 0));
        out.push_back(message(target, WM_KEYUP, VK_F1, LPARAM(0xC0000001)));
        break;
    case Key::None:
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
        out.push_back(message(target, WM_SYSKEYDOWN, VK_DOWN, 1 | altContext));
        out.push_back(message(target, WM_SYSKEYUP, VK_DOWN, LPARAM(0xE0000001)));
    }
    return out;
}

} // namespace terminal
