#include "scenario_words.h"

namespace scenario {

const EnumWords<ValueType>& wordTable(ValueType) {
    static const EnumWords<ValueType> table = {
        {ValueType::kSz, "sz"}, {ValueType::kDword, "dword"}, {ValueType::kBinary, "binary"}};
    return table;
}

const EnumWords<Button>& wordTable(Button) {
    static const EnumWords<Button> table = {{Button::kOk, "ok"},
                                            {Button::kCancel, "cancel"},
                                            {Button::kDefaults, "defaults"},
                                            {Button::kPresent, "present"},
                                            {Button::kNotPresent, "not-present"}};
    return table;
}

const EnumWords<Key>& wordTable(Key) {
    static const EnumWords<Key> table = {
        {Key::kEnter, "enter"}, {Key::kEscape, "escape"}, {Key::kF1, "f1"}};
    return table;
}

const EnumWords<EditorKind>& wordTable(EditorKind) {
    static const EnumWords<EditorKind> table = {
        {EditorKind::kList, "list"}, {EditorKind::kNumber, "number"}, {EditorKind::kText, "text"}};
    return table;
}

const EnumWords<RadioState>& wordTable(RadioState) {
    static const EnumWords<RadioState> table = {{RadioState::kPresent, "present"},
                                                {RadioState::kNotPresent, "not-present"},
                                                {RadioState::kHidden, "hidden"}};
    return table;
}

} // namespace scenario
