#include "editor_probe.h"

#include "dialog_ids.h"
#include "window_reading.h"
#include "scenario/language/scenario_words.h"

namespace scenario {

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

bool shown(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr && IsWindowVisible(control);
}

bool enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

std::string enabledWord(bool on) {
    return on ? "enabled" : "disabled";
}

std::string listEditor(HWND dialog) {
    HWND combo = GetDlgItem(dialog, IDC_VALUE_COMBO);
    LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected < 0) {
        return std::string(wordOf(EditorKind::kList)) + " with nothing selected";
    }
    return wordOf(EditorKind::kList) + (" " + quoted(comboItemText(combo, selected)));
}

std::string numberEditor(HWND dialog) {
    bool edit = enabled(dialog, IDC_SPIN_EDIT);
    std::string text = wordOf(EditorKind::kNumber) +
                       (" " + quoted(windowText(GetDlgItem(dialog, IDC_SPIN_EDIT)))) + " " +
                       enabledWord(edit);
    if (!shown(dialog, IDC_VALUE_SPIN)) {
        text += " (up-down hidden)";
    } else if (enabled(dialog, IDC_VALUE_SPIN) != edit) {
        text += " (up-down " + enabledWord(!edit) + ")";
    }
    return text;
}

std::string textEditor(HWND dialog) {
    return wordOf(EditorKind::kText) +
           (" " + quoted(windowText(GetDlgItem(dialog, IDC_VALUE_EDIT)))) + " " +
           enabledWord(enabled(dialog, IDC_VALUE_EDIT));
}

} // namespace

std::string describeEditor(HWND dialog) {
    std::string description;
    auto add = [&description](const std::string& part) {
        description += description.empty() ? part : " and " + part;
    };
    if (shown(dialog, IDC_VALUE_COMBO)) {
        add(listEditor(dialog));
    }
    if (shown(dialog, IDC_SPIN_EDIT)) {
        add(numberEditor(dialog));
    }
    if (shown(dialog, IDC_VALUE_EDIT)) {
        add(textEditor(dialog));
    }
    return description.empty() ? "none" : description;
}

std::string describeRadios(HWND dialog) {
    bool present = shown(dialog, IDC_PRESENT);
    bool notPresent = shown(dialog, IDC_NOT_PRESENT);
    if (!present && !notPresent) {
        return wordOf(RadioState::kHidden);
    }
    if (present != notPresent) {
        return present ? "only the present radio shown" : "only the not-present radio shown";
    }
    bool presentChecked = IsDlgButtonChecked(dialog, IDC_PRESENT) == BST_CHECKED;
    bool notPresentChecked = IsDlgButtonChecked(dialog, IDC_NOT_PRESENT) == BST_CHECKED;
    if (presentChecked == notPresentChecked) {
        return presentChecked ? "both radios checked" : "neither radio checked";
    }
    return wordOf(presentChecked ? RadioState::kPresent : RadioState::kNotPresent);
}

std::string expectedDescription(const Step& check) {
    if (check.kind == Step::Kind::kExpectRadios) {
        return wordOf(check.radios);
    }
    std::string text = wordOf(check.editor) + (" " + quoted(check.text));
    return check.editor == EditorKind::kList ? text : text + " " + enabledWord(check.enabled);
}

std::string checkControls(HWND dialog, const Step& check) {
    std::string actual =
        check.kind == Step::Kind::kExpectRadios ? describeRadios(dialog) : describeEditor(dialog);
    if (actual == expectedDescription(check)) {
        return std::string();
    }
    return describe(check) + ": found " + actual;
}

} // namespace scenario
