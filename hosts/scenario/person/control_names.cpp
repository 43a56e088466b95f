#include "control_names.h"

#include "dialog_ids.h"
#include "window_reading.h"

#include <vector>

namespace scenario {

namespace {

// The text of the property selected in the list, empty when none is.
std::string selectedProperty(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_PROPERTY_LIST);
    LRESULT index = list ? SendMessageA(list, LB_GETCURSEL, 0, 0) : LB_ERR;
    LRESULT length = index >= 0 ? SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0) : LB_ERR;
    if (length < 0) {
        return std::string();
    }
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

// A button's text as it shows: its mnemonic marks resolved, without the blanks around it.
std::string buttonText(HWND button) {
    std::string text = windowText(button);
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i; // "&x" shows x, "&&" shows &
        }
        shown += text[i];
    }
    size_t first = shown.find_first_not_of(' ');
    size_t last = shown.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : shown.substr(first, last - first + 1);
}

enum class NamedBy { kKind, kText, kProperty };

struct ControlKind {
    int id;
    NamedBy namedBy;
    const char* fallback; // the name where the text or the selected property is missing
    const char* kind;
};

const ControlKind kKinds[] = {
    {IDOK, NamedBy::kText, "OK", "button"},
    {IDCANCEL, NamedBy::kText, "Cancel", "button"},
    {IDC_DEFAULTS, NamedBy::kText, "Defaults", "button"},
    {IDC_PRESENT, NamedBy::kText, "present", "radio button"},
    {IDC_NOT_PRESENT, NamedBy::kText, "not-present", "radio button"},
    {IDC_PROPERTY_LIST, NamedBy::kKind, "property", "list"},
    {IDC_VALUE_COMBO, NamedBy::kProperty, "value", "drop-down list"},
    {IDC_VALUE_EDIT, NamedBy::kProperty, "text", "field"},
    {IDC_SPIN_EDIT, NamedBy::kProperty, "number", "field"},
    {IDC_VALUE_SPIN, NamedBy::kProperty, "value", "up-down control"},
};

} // namespace

std::string controlName(HWND dialog, int id) {
    for (const ControlKind& kind : kKinds) {
        if (kind.id != id) {
            continue;
        }
        HWND control = GetDlgItem(dialog, id);
        std::string name;
        if (control != nullptr && kind.namedBy == NamedBy::kText) {
            name = buttonText(control);
        } else if (control != nullptr && kind.namedBy == NamedBy::kProperty) {
            name = selectedProperty(dialog);
        }
        return "the " + (name.empty() ? std::string(kind.fallback) : name) + " " + kind.kind;
    }
    return "control " + std::to_string(id);
}

} // namespace scenario
