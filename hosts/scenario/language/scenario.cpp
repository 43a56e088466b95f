#include "scenario.h"

#include "scenario_words.h"

namespace scenario {

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
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
        return std::string("click ") + wordOf(step.button);
    case Step::Kind::Spin:
        return step.up ? "spin up" : "spin down";
    case Step::Kind::Press:
        return std::string("press ") + wordOf(step.key);
    case Step::Kind::Close:
        return "close";
    case Step::Kind::ExpectEditor: {
        std::string text =
            std::string("expect editor ") + wordOf(step.editor) + " " + quoted(step.text);
        if (step.editor != EditorKind::List)
            text += step.enabled ? " enabled" : " disabled";
        return text;
    }
    case Step::Kind::ExpectRadios:
        return std::string("expect radios ") + wordOf(step.radios);
    }
    return "?";
}

} // namespace

std::string describe(const Step& step) {
    return "line " + std::to_string(step.line) + " " + statement(step);
}

} // namespace scenario
