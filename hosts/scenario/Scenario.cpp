#include "Scenario.h"

namespace scenario {

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

const char* buttonWord(Button button) {
    switch (button) {
    case Button::Ok:
        return "ok";
    case Button::Cancel:
        return "cancel";
    case Button::Defaults:
        return "defaults";
    case Button::Present:
        return "present";
    case Button::NotPresent:
        return "not-present";
    }
    return "?";
}

const char* keyWord(Key key) {
    switch (key) {
    case Key::Enter:
        return "enter";
    case Key::Escape:
        return "escape";
    case Key::F1:
        return "f1";
    }
    return "?";
}

const char* editorWord(EditorKind kind) {
    switch (kind) {
    case EditorKind::List:
        return "list";
    case EditorKind::Number:
        return "number";
    case EditorKind::Text:
        return "text";
    }
    return "?";
}

const char* radiosWord(RadioState state) {
    switch (state) {
    case RadioState::Present:
        return "present";
    case RadioState::NotPresent:
        return "not-present";
    case RadioState::Hidden:
        return "hidden";
    }
    return "?";
}

std::string statement(const Step& step) {
    switch (step.kind) {
    case Step::Kind::Select:
        return "select " + quoted(step.text);
    case Step::Kind::Choose:
        return "choose " + quoted(step.text);
    case Step::Kind::Type:
        return "type " + quoted(step.text);
    case Step::Kind::Click:
        return std::string("click ") + buttonWord(step.button);
    case Step::Kind::Spin:
        return step.up ? "spin up" : "spin down";
    case Step::Kind::Press:
        return std::string("press ") + keyWord(step.key);
    case Step::Kind::Close:
        return "close";
    case Step::Kind::ExpectEditor: {
        std::string text =
            std::string("expect editor ") + editorWord(step.editor) + " " + quoted(step.text);
        if (step.editor != EditorKind::List)
            text += step.enabled ? " enabled" : " disabled";
        return text;
    }
    case Step::Kind::ExpectRadios:
        return std::string("expect radios ") + radiosWord(step.radios);
    }
    return "?";
}

} // namespace

std::string describe(const Step& step) {
    return "line " + std::to_string(step.line) + " " + statement(step);
}

} // namespace scenario
