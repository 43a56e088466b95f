#include "saved_values_model.h"

#include <cstring>

namespace {

const size_t kBufferSize = 256;

// The text loading takes from a value: its bytes up to the first NUL, at most 255 of them; a
// value missing or longer than the buffer does not read.
bool loadedText(const FuzzedValue& value, std::string* text) {
    if (!value.exists || value.data.size() > kBufferSize)
        return false;
    *text = value.data.substr(0, std::min(value.data.find('\0'), kBufferSize - 1));
    return true;
}

// The code a List value is saved with: its own when the map has a label for it, else the code
// of the default label.
std::string savedCode(const PropertyRow& row, bool read, const std::string& code) {
    const LabelMap& map = *row.map;
    for (size_t i = 0; read && i < map.count; ++i)
        if (code == map.codes[i])
            return code;
    for (size_t i = 0; i < map.count; ++i)
        if (std::strcmp(row.defaultDisplay, map.labels[i]) == 0)
            return map.codes[i];
    return "(default without a code)";
}

bool isCodeOf(const LabelMap& map, const std::string& text) {
    for (size_t i = 0; i < map.count; ++i)
        if (text == map.codes[i])
            return true;
    return false;
}

// The saved text, or why the value is not saved text.
bool savedText(const scenario::RegistryValue& value, std::string* text, std::string* problem) {
    const std::vector<unsigned char>& data = value.data;
    if (value.type != REG_SZ || data.empty() || data.size() > kBufferSize || data.back() != 0) {
        *problem =
            value.name + " is not REG_SZ text within 256 bytes: " + scenario::describeValue(value);
        return false;
    }
    text->assign(data.begin(), data.end() - 1);
    if (text->find('\0') != std::string::npos) {
        *problem = value.name + " holds a NUL inside its text";
        return false;
    }
    return true;
}

} // namespace

std::string checkAnySave(const scenario::ParametersSnapshot& after) {
    const scenario::RegistryValue* unrelated = findValue(after, kUnrelatedValue);
    if (unrelated == nullptr || unrelated->data.size() != 8)
        return std::string(kUnrelatedValue) + " was changed";
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row) {
        const scenario::RegistryValue* value = findValue(after, row->valueName);
        if (value == nullptr) {
            if (!row->mayBeAbsent)
                return std::string(row->valueName) + " is missing after OK";
            continue;
        }
        std::string text, problem;
        if (!savedText(*value, &text, &problem))
            return problem;
        if (row->mayBeAbsent && text == kAbsentMarker)
            return std::string(row->valueName) + " was written as the absent marker";
        if (row->kind == ValueKind::kList && !isCodeOf(*row->map, text))
            return std::string(row->valueName) + " holds \"" + text + "\", not a code of its map";
    }
    return std::string();
}

std::string checkSaveOfLoadedValues(const FuzzedContents& before,
                                    const scenario::ParametersSnapshot& after) {
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row) {
        std::string loaded;
        bool read = loadedText(before.values[indexOf(row->id)], &loaded);
        bool absent = row->mayBeAbsent && (!read || loaded == kAbsentMarker);
        std::string expected = row->kind == ValueKind::kList ? savedCode(*row, read, loaded)
                               : read                        ? loaded
                                                             : row->defaultDisplay;
        const scenario::RegistryValue* value = findValue(after, row->valueName);
        std::string text, problem;
        if (absent != (value == nullptr))
            return std::string(row->valueName) + (absent ? " should be deleted" : " is missing");
        if (value != nullptr && savedText(*value, &text, &problem) && text != expected)
            return std::string(row->valueName) + " saved as \"" + text + "\", expected \"" +
                   expected + "\"";
    }
    return std::string();
}
