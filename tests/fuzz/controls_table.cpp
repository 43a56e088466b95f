#include "controls_table.h"

#include "params/property_catalogue.h"
#include "scenario/person/dialog_ids.h"
#include "scenario/person/window_reading.h"

namespace {

using namespace scenario;

bool shown(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

bool enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

bool checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

std::string selectedLabel(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_PROPERTY_LIST);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index < 0)
        return std::string();
    char text[256] = {};
    if (SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) >= LRESULT(sizeof text))
        return std::string();
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

std::string checkListEditor(HWND dialog, const PropertyRow& row) {
    HWND combo = GetDlgItem(dialog, IDC_VALUE_COMBO);
    const LabelMap& map = *row.map;
    if (SendMessageA(combo, CB_GETCOUNT, 0, 0) != LRESULT(map.count))
        return "the drop-down list does not hold the map of " + std::string(row.label);
    for (size_t i = 0; i < map.count; ++i)
        if (comboItemText(combo, static_cast<LRESULT>(i)) != map.labels[i])
            return "drop-down item " + std::to_string(i) + " is not " + map.labels[i];
    if (SendMessageA(combo, CB_GETCURSEL, 0, 0) < 0)
        return "the drop-down list has nothing selected";
    return std::string();
}

std::string checkOptional(HWND dialog, const PropertyRow& row, int field) {
    bool present = checked(dialog, IDC_PRESENT);
    if (present == checked(dialog, IDC_NOT_PRESENT))
        return std::string(row.label) + ": not exactly one radio checked";
    if (enabled(dialog, field) != present)
        return std::string(row.label) + ": the field is " + (present ? "disabled" : "enabled") +
               " while " + (present ? "present" : "not present");
    return std::string();
}

} // namespace

std::string checkControlsTable(HWND dialog) {
    const std::string label = selectedLabel(dialog);
    const PropertyRow* row = PropertyCatalogue::findByLabel(label.c_str());
    if (row == nullptr)
        return "no property is selected";
    const bool text = shown(dialog, IDC_VALUE_EDIT);
    const bool number = shown(dialog, IDC_SPIN_EDIT);
    const bool list = shown(dialog, IDC_VALUE_COMBO);
    if (int(text) + int(number) + int(list) != 1)
        return label + ": " + std::to_string(int(text) + int(number) + int(list)) +
               " value editors shown";
    if ((row->kind == ValueKind::kText) != text || (row->kind == ValueKind::kNumber) != number)
        return label + ": the wrong value editor is shown";
    if (number && !shown(dialog, IDC_VALUE_SPIN))
        return label + ": the up-down control is hidden";
    const bool radios = shown(dialog, IDC_PRESENT);
    if (radios != shown(dialog, IDC_NOT_PRESENT) || radios != row->mayBeAbsent)
        return label + (radios ? ": radios shown" : ": radios hidden");
    if (list)
        return checkListEditor(dialog, *row);
    if (row->mayBeAbsent)
        return checkOptional(dialog, *row, text ? IDC_VALUE_EDIT : IDC_SPIN_EDIT);
    if (!enabled(dialog, IDC_SPIN_EDIT) || !enabled(dialog, IDC_VALUE_SPIN))
        return label + ": the number field is disabled";
    return std::string();
}
