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

std::string jsonNumberOrNull(bool has, long number) {
    return has ? std::to_string(number) : "null";
}

} // namespace

PropertyState loadedState(const PropertyValues& values, PropertyId id) {
    const PropertyRow& row = PropertyCatalogue::row(id);
    PropertyState state{
        &row, true, values.display(id).c_str(), values.wasRead(id), values.stored(id).c_str(),
        false};
    state.present = !(row.mayBeAbsent && values.display(id).equals(kAbsentMarker));
    if (!state.storedRead)
        state.stored.clear();
    state.unmapped = row.kind == ValueKind::kList && state.storedRead &&
                     !codeHasLabel(*row.map, values.stored(id));
    return state;
}

std::vector<PropertyState> loadedStates(const PropertyValues& values) {
    std::vector<PropertyState> states;
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row)
        states.push_back(loadedState(values, row->id));
    return states;
}

std::string valueWord(const PropertyState& state) {
    return state.present ? state.display : kAbsentWord;
}

std::string storedNote(const PropertyState& state) {
    if (state.unmapped)
        return "stored \"" + state.stored + "\" has no label";
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
