// The words of the scenario language for each enum of a scenario, one table per enum: the
// parser reads them, and descriptions of steps and checks write them back.
#pragma once

#include "scenario.h"

#include <cstddef>
#include <string>
#include <vector>

namespace scenario {

template <typename Enum> struct EnumWord {
    Enum value;
    const char* word;
};

template <typename Enum> using EnumWords = std::vector<EnumWord<Enum>>;

// Found by argument-dependent lookup: wordTable(Button{}) is the table of Button.
const EnumWords<ValueType>& wordTable(ValueType);
const EnumWords<Button>& wordTable(Button);
const EnumWords<Key>& wordTable(Key);
const EnumWords<EditorKind>& wordTable(EditorKind);
const EnumWords<RadioState>& wordTable(RadioState);

template <typename Enum> const char* wordOf(Enum value) {
    for (const EnumWord<Enum>& entry : wordTable(value)) {
        if (entry.value == value)
            return entry.word;
    }
    return "?";
}

// The table's words in its order, for a parser's list of choices.
template <typename Enum> std::vector<std::string> wordsOf() {
    std::vector<std::string> words;
    for (const EnumWord<Enum>& entry : wordTable(Enum{}))
        words.push_back(entry.word);
    return words;
}

// The value of the table's entry at `index`, as the parser's choice names it.
template <typename Enum> Enum valueAt(size_t index) {
    return wordTable(Enum{})[index].value;
}

} // namespace scenario
