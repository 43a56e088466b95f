#include "scenario_words.h"

namespace scenario {

const EnumWords<ValueType>& wordTable(ValueType) {
    static const EnumWords<ValueType> table = {
        {ValueType::Sz, "sz"}, {ValueType::Dword, "dword"}, {ValueType::Binary, "binary"}};
    return table;
}

const EnumWords<Button>& wordTable(Button) {
    static const EnumWords<Button> table = {{Button::Ok, "ok"},
                                            {Button::Cancel, "cancel"},
                                            {Button::Defaults, "defaults"},
                                            {Button::Present, "present"},
                                            {Button::NotPresent, "not-present"}};
    return table;
}

const EnumWords<Key>& wordTable(Key) {
    static const EnumWords<Key> table = {
        {Key::Enter, "enter"}, {Key::Escape, "escape"}, {Key::F1, "f1"}};
    return table;
}

const EnumWords<EditorKind>& wordTable(EditorKind) {
    static const EnumWords<EditorKind> table = {
        {EditorKind::List, "list"}, {EditorKind::Number, "number"}, {EditorKind::Text, "text"}};
    return table;
}

const EnumWords<RadioState>& wordTable(RadioState) {
    static const EnumWords<RadioState> table = {{RadioState::Present, "present"},
                                                {RadioState::NotPresent, "not-present"},
                                                {RadioState::Hidden, "hidden"}};
    return table;
}

} // namespace scenario
