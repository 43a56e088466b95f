#include "scenario.h"

#include "scenario_words.h"

namespace scenario {

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string statement(const Step& step) {
    switch (step.kind) {
    case Step::Kind::kSelect:
        return "select " + quoted(step.text);
    case Step::Kind::kChoose:
        return "choose " + quoted(step.text);
    case Step::Kind::kType:
        return "type " + quoted(step.text);
    case Step::Kind::kClick:
        return std::string("click ") + wordOf(step.button);
    case Step::Kind::kSpin:
        return step.up ? "spin up" : "spin down";
    case Step::Kind::kPress:
        return std::string("press ") + wordOf(step.key);
    case Step::Kind::kClose:
        return "close";
    case Step::Kind::kExpectEditor: {
        std::string text =
            std::string("expect editor ") + wordOf(step.editor) + " " + quoted(step.text);
        if (step.editor != EditorKind::kList)
            text += step.enabled ? " enabled" : " disabled";
        return text;
    }
    case Step::Kind::kExpectRadios:
        return std::string("expect radios ") + wordOf(step.radios);
    }
    return "?";
}

} // namespace

std::string describe(const Step& step) {
    return "line " + std::to_string(step.line) + " " + statement(step);
}

} // namespace scenario
