#include "property_report.h"

#include "json_text.h"
#include "property_input.h"

#include <algorithm>

namespace quorlan_params {

namespace {

const char* kindName(ValueKind kind) {
    switch (kind) {
    case ValueKind::kText:
        return "Text";
    case ValueKind::kNumber:
        return "Number";
    case ValueKind::kList:
        return "List";
    case ValueKind::kNone:
        break;
    }
    return "None";
}

bool defaultIsAbsent(const PropertyRow& row) {
    return row.mayBeAbsent && ValueText(row.defaultDisplay).equals(kAbsentMarker);
}

std::string defaultWord(const PropertyRow& row) {
    return defaultIsAbsent(row) ? kAbsentWord : row.defaultDisplay;
}

bool codeHasLabel(const LabelMap& map, const ValueText& code) {
    ValueText label;
    map.codeToLabel(code, label);
    return !label.empty();
}

void appendCell(std::string& line, const std::string& text, size_t width) {
    line += text;
    line.append(width - text.size() + 2, ' ');
}

std::string jsonLabels(const PropertyRow& row) {
    std::string labels = "[";
    for (size_t i = 0; row.map != nullptr && i < row.map->count; ++i)
        labels += (i == 0 ? "" : ", ") + jsonString(row.map->labels[i]);
    return labels + "]";
}

// The value's type, and its number when it is a REG_DWORD.
DWORD storedType(HKEY key, const PropertyRow& row, DWORD* number) {
    DWORD type = REG_SZ;
    DWORD size = sizeof *number;
    *number = 0;
    LONG status = key == nullptr ? ERROR_INVALID_HANDLE
                                 : RegQueryValueExA(key, row.valueName, nullptr, &type,
                                                    reinterpret_cast<BYTE*>(number), &size);
    if (status == ERROR_MORE_DATA)
        return RegQueryValueExA(key, row.valueName, nullptr, &type, nullptr, nullptr) ==
                       ERROR_SUCCESS
                   ? type
                   : REG_SZ;
    return status == ERROR_SUCCESS ? type : REG_SZ;
}

bool isText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

std::string typeName(DWORD type) {
    switch (type) {
    case REG_NONE:
        return "REG_NONE";
    case REG_BINARY:
        return "REG_BINARY";
    case REG_DWORD:
        return "REG_DWORD";
    case REG_MULTI_SZ:
        return "REG_MULTI_SZ";
    case REG_QWORD:
        return "REG_QWORD";
    default:
        return "type " + std::to_string(type);
    }
}

// What is wrong with a Number's stored text for the dialog, or "".
std::string numberProblem(const PropertyRow& row, const std::string& stored) {
    const std::string quoted = "stored \"" + stored + "\"";
    if (stored.empty() || stored.find_first_not_of("0123456789") != std::string::npos)
        return quoted + " is not a number";
    const size_t first = stored.find_first_not_of('0');
    const std::string digits = first == std::string::npos ? "0" : stored.substr(first);
    if (digits.size() > 9 || std::stol(digits) < row.range->minimum ||
        std::stol(digits) > row.range->maximum)
        return quoted + " is outside " + std::to_string(row.range->minimum) + " to " +
               std::to_string(row.range->maximum);
    return std::string();
}

std::string jsonNumberOrNull(bool has, long number) {
    return has ? std::to_string(number) : "null";
}

} // namespace

PropertyState loadedState(const PropertyValues& values, PropertyId id, HKEY key) {
    const PropertyRow& row = PropertyCatalogue::row(id);
    PropertyState state{&row,
                        true,
                        values.display(id).c_str(),
                        values.wasRead(id),
                        values.stored(id).c_str(),
                        false,
                        REG_SZ,
                        0};
    if (state.storedRead)
        state.storedType = storedType(key, row, &state.storedNumber);
    state.present = !(row.mayBeAbsent && values.display(id).equals(kAbsentMarker));
    if (!state.storedRead)
        state.stored.clear();
    state.unmapped = row.kind == ValueKind::kList && state.storedRead &&
                     !codeHasLabel(*row.map, values.stored(id));
    return state;
}

std::vector<PropertyState> loadedStates(const PropertyValues& values, HKEY key) {
    std::vector<PropertyState> states;
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row)
        states.push_back(loadedState(values, row->id, key));
    return states;
}

// A control character (of data that was no text) would act on the terminal: it shows as '?'.
std::string valueWord(const PropertyState& state) {
    if (!state.present)
        return kAbsentWord;
    std::string word = state.display;
    for (char& c : word)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return word;
}

std::string storedNote(const PropertyState& state) {
    if (state.storedRead && !isText(state.storedType)) {
        const std::string number =
            state.storedType == REG_DWORD ? " " + std::to_string(state.storedNumber) : "";
        return "stored as " + typeName(state.storedType) + number + ", not as text";
    }
    if (state.unmapped)
        return "stored \"" + state.stored + "\" has no label";
    if (state.storedRead && state.row->kind == ValueKind::kNumber)
        return numberProblem(*state.row, state.stored);
    if (!state.storedRead && !state.row->mayBeAbsent)
        return "not stored";
    return std::string();
}

std::string shownValue(const PropertyState& state) {
    const std::string word = valueWord(state);
    const std::string note = storedNote(state);
    if (word.empty()) // a text stored empty, which a table would show as nothing at all
        return note.empty() ? "(empty)" : "(empty; " + note + ")";
    return note.empty() ? word : word + " (" + note + ")";
}

std::string propertyTable(const std::vector<PropertyState>& states) {
    std::vector<std::vector<std::string>> rows = {
        {"PROPERTY", "VALUE", "NAME", "KIND", "DEFAULT", "ACCEPTS"}};
    for (const PropertyState& state : states)
        rows.push_back({state.row->label, shownValue(state), state.row->valueName,
                        kindName(state.row->kind), defaultWord(*state.row),
                        acceptedValues(*state.row)});
    std::vector<size_t> widths(rows[0].size(), 0);
    for (const auto& cells : rows)
        for (size_t i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths[i], cells[i].size());
    std::string table;
    for (const auto& cells : rows) {
        std::string line;
        for (size_t i = 0; i + 1 < cells.size(); ++i)
            appendCell(line, cells[i], widths[i]);
        table += line + cells.back() + "\n";
    }
    return table;
}

std::string propertyJson(const PropertyState& state) {
    const PropertyRow& row = *state.row;
    const bool number = row.kind == ValueKind::kNumber;
    return std::string("{") + "\"label\": " + jsonString(row.label) +
           ", \"name\": " + jsonString(row.valueName) +
           ", \"kind\": " + jsonString(kindName(row.kind)) +
           ", \"value\": " + jsonStringOrNull(state.present, state.display) +
           ", \"present\": " + (state.present ? "true" : "false") +
           ", \"stored\": " + jsonStringOrNull(state.storedRead, state.stored) +
           ", \"unmapped\": " + (state.unmapped ? "true" : "false") +
           ", \"note\": " + jsonStringOrNull(!storedNote(state).empty(), storedNote(state)) +
           ", \"default\": " + jsonStringOrNull(!defaultIsAbsent(row), row.defaultDisplay) +
           ", \"optional\": " + (row.mayBeAbsent ? "true" : "false") +
           ", \"labels\": " + jsonLabels(row) +
           ", \"minimum\": " + jsonNumberOrNull(number, number ? row.range->minimum : 0) +
           ", \"maximum\": " + jsonNumberOrNull(number, number ? row.range->maximum : 0) +
           ", \"maxLength\": " + jsonNumberOrNull(row.typingLimit > 0, row.typingLimit) +
           ", \"accepts\": " + jsonString(acceptedValues(row)) + "}";
}

std::string propertiesJson(const std::vector<PropertyState>& states) {
    std::string json = "[";
    for (size_t i = 0; i < states.size(); ++i)
        json += (i == 0 ? "\n  " : ",\n  ") + propertyJson(states[i]);
    return json + "\n]\n";
}

} // namespace quorlan_params
