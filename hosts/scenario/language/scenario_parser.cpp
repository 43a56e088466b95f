#include "scenario_parser.h"

#include "scenario_words.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace scenario {

namespace {

std::string baseName(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string suffix = ".scn";
    if (name.size() > suffix.size() &&
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
        name.resize(name.size() - suffix.size());
    }
    return name;
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += text.empty() ? word : " | " + word;
    }
    return text;
}

bool parseDecimal(const std::string& text, unsigned long long limit, unsigned long long* value) {
    if (text.empty() || text.size() > 20) {
        return false;
    }
    unsigned long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        number = number * 10 + static_cast<unsigned>(c - '0');
        if (number > limit) {
            return false;
        }
    }
    *value = number;
    return true;
}

// "36 34" or "3634": pairs of hex digits, blanks allowed between pairs.
bool parseHexBytes(const std::string& text, std::vector<unsigned char>* bytes) {
    for (size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) {
            return false;
        }
        const std::string pair = text.substr(i, 2);
        if (!std::isxdigit(static_cast<unsigned char>(pair[0])) ||
            !std::isxdigit(static_cast<unsigned char>(pair[1]))) {
            return false;
        }
        bytes->push_back(static_cast<unsigned char>(std::stoul(pair, nullptr, 16)));
        i += 2;
    }
    return true;
}

} // namespace

ScenarioParser::ScenarioParser(std::string fileName) : fileName_(std::move(fileName)) {}

bool ScenarioParser::parse(const std::string& text, Scenario* scenario) {
    *scenario = Scenario();
    scenario->file = fileName_;
    scenario->name = baseName(fileName_);
    scenario_ = scenario;
    phase_ = Phase::kSetup;
    serviceSet_ = false;
    error_.clear();
    std::istringstream lines(text);
    std::string lineText;
    Tokens tokens;
    for (line_ = 1; std::getline(lines, lineText); ++line_) {
        std::string why;
        if (!tokenizeLine(lineText, &tokens, &why)) {
            return fail(why);
        }
        if (!tokens.empty() && !statement(tokens)) {
            return false;
        }
    }
    return finish();
}

bool ScenarioParser::statement(const Tokens& tokens) {
    const Token& head = tokens[0];
    if (head.quoted) {
        return fail("a statement starts with a word, not a text");
    }
    const std::string& verb = head.text;
    if (verb == "service" || verb == "no-parameters-key" || verb == "value") {
        return setupStatement(tokens);
    }
    if (verb == "expect") {
        return expectStatement(tokens);
    }
    static const std::vector<std::string> actions = {"select", "choose", "type", "click",
                                                     "spin",   "press",  "close"};
    for (const std::string& action : actions) {
        if (verb == action) {
            return actionStatement(tokens);
        }
    }
    return fail("unknown statement \"" + verb + "\"");
}

bool ScenarioParser::setupStatement(const Tokens& tokens) {
    const std::string& verb = tokens[0].text;
    if (!enter(Phase::kSetup, verb)) {
        return false;
    }
    if (verb == "value") {
        if (!scenario_->parametersKey) {
            return fail("a value needs the Parameters key, but no-parameters-key is given");
        }
        return valueStatement(tokens);
    }
    if (verb == "no-parameters-key") {
        if (!scenario_->values.empty()) {
            return fail("no-parameters-key contradicts the values set up before it");
        }
        if (!arity(tokens, 1, "no-parameters-key")) {
            return false;
        }
        scenario_->parametersKey = false;
        return true;
    }
    if (serviceSet_) {
        return fail("the service is named twice");
    }
    serviceSet_ = true;
    return arity(tokens, 2, "service \"NAME\"") &&
           text(tokens[1], "the service name", &scenario_->service);
}

bool ScenarioParser::valueStatement(const Tokens& tokens) {
    const std::string form = "value NAME sz \"TEXT\" | value NAME dword N | value NAME binary "
                             "\"HEX\"";
    ValueType type = ValueType::kSz;
    if (!arity(tokens, 4, form) || !word(tokens[2], &type)) {
        return false;
    }
    SetupValue value;
    value.name = tokens[1].text;
    value.type = type;
    const Token& data = tokens[3];
    if (type == ValueType::kSz) {
        std::string content;
        if (!text(data, "the value's text", &content)) {
            return false;
        }
        value.data.assign(content.begin(), content.end());
        value.data.push_back(0);
    } else if (type == ValueType::kDword) {
        unsigned long long number = 0;
        if (data.quoted || !parseDecimal(data.text, 0xFFFFFFFFull, &number)) {
            return fail("dword: expected a decimal number from 0 to 4294967295");
        }
        for (int shift = 0; shift < 32; shift += 8) {
            value.data.push_back(static_cast<unsigned char>((number >> shift) & 0xFF));
        }
    } else {
        std::string hex;
        if (!text(data, "the bytes", &hex)) {
            return false;
        }
        if (!parseHexBytes(hex, &value.data)) {
            return fail("binary: expected pairs of hex digits, e.g. \"36 34\"");
        }
    }
    scenario_->values.push_back(value);
    return true;
}

bool ScenarioParser::actionStatement(const Tokens& tokens) {
    const std::string& verb = tokens[0].text;
    if (!enter(Phase::kActions, verb)) {
        return false;
    }
    Step step;
    step.line = line_;
    size_t choice = 0;
    if (verb == "select" || verb == "choose" || verb == "type") {
        step.kind = verb == "select"   ? Step::Kind::kSelect
                    : verb == "choose" ? Step::Kind::kChoose
                                       : Step::Kind::kType;
        if (!arity(tokens, 2, verb + " \"TEXT\"") || !text(tokens[1], "the text", &step.text)) {
            return false;
        }
    } else if (verb == "click") {
        step.kind = Step::Kind::kClick;
        if (!arity(tokens, 2, "click BUTTON") || !word(tokens[1], &step.button)) {
            return false;
        }
    } else if (verb == "spin") {
        step.kind = Step::Kind::kSpin;
        if (!arity(tokens, 2, "spin up | spin down") || !word(tokens[1], {"up", "down"}, &choice)) {
            return false;
        }
        step.up = choice == 0;
    } else if (verb == "press") {
        step.kind = Step::Kind::kPress;
        if (!arity(tokens, 2, "press KEY") || !word(tokens[1], &step.key)) {
            return false;
        }
    } else {
        step.kind = Step::Kind::kClose;
        if (!arity(tokens, 1, "close")) {
            return false;
        }
    }
    scenario_->steps.push_back(step);
    return true;
}

bool ScenarioParser::expectStatement(const Tokens& tokens) {
    size_t what = 0;
    if (tokens.size() < 2 ||
        !word(tokens[1],
              {"editor", "radios", "result", "message", "no-message", "value", "registry"},
              &what)) {
        return tokens.size() < 2 ? fail("expect: what is expected is missing") : false;
    }
    return what < 2 ? editorCheck(tokens) : resultCheck(tokens);
}

bool ScenarioParser::editorCheck(const Tokens& tokens) {
    const bool radios = tokens[1].text == "radios";
    if (!enter(Phase::kActions, "expect " + tokens[1].text)) {
        return false;
    }
    Step step;
    step.line = line_;
    size_t choice = 0;
    if (radios) {
        step.kind = Step::Kind::kExpectRadios;
        if (!arity(tokens, 3, "expect radios present | not-present | hidden") ||
            !word(tokens[2], &step.radios)) {
            return false;
        }
        scenario_->steps.push_back(step);
        return true;
    }
    step.kind = Step::Kind::kExpectEditor;
    if (tokens.size() < 3 || !word(tokens[2], &step.editor)) {
        return tokens.size() < 3 ? fail("expect editor: the editor kind is missing") : false;
    }
    if (step.editor == EditorKind::kList) {
        if (!arity(tokens, 4, "expect editor list \"LABEL\"") ||
            !text(tokens[3], "the label", &step.text)) {
            return false;
        }
    } else {
        const std::string form = "expect editor " + tokens[2].text + " \"TEXT\" enabled|disabled";
        if (!arity(tokens, 5, form) || !text(tokens[3], "the text", &step.text) ||
            !word(tokens[4], {"enabled", "disabled"}, &choice)) {
            return false;
        }
        step.enabled = choice == 0;
    }
    scenario_->steps.push_back(step);
    return true;
}

bool ScenarioParser::resultCheck(const Tokens& tokens) {
    const std::string& what = tokens[1].text;
    if (!enter(Phase::kResults, "expect " + what)) {
        return false;
    }
    ResultCheck check;
    check.line = line_;
    size_t choice = 0;
    if (what == "result") {
        static const std::vector<std::string> words = {"OK", "Cancel", "Error"};
        if (!arity(tokens, 3, "expect result OK | Cancel | Error") ||
            !word(tokens[2], words, &choice)) {
            return false;
        }
        check.kind = ResultCheck::Kind::kResult;
        check.text = words[choice];
    } else if (what == "message") {
        check.kind = ResultCheck::Kind::kMessage;
        const std::string form = "expect message \"TEXT\" caption \"CAPTION\"";
        if (!arity(tokens, 5, form) || !text(tokens[2], "the message", &check.text) ||
            !word(tokens[3], {"caption"}, &choice) ||
            !text(tokens[4], "the caption", &check.caption)) {
            return false;
        }
    } else if (what == "no-message") {
        check.kind = ResultCheck::Kind::kNoMessage;
        if (!arity(tokens, 2, "expect no-message")) {
            return false;
        }
    } else if (what == "value") {
        const std::string form = "expect value NAME sz \"TEXT\" | expect value NAME missing";
        if (tokens.size() < 4 || !word(tokens[3], {"sz", "missing"}, &choice)) {
            return tokens.size() < 4 ? fail("expected " + form) : false;
        }
        check.name = tokens[2].text;
        if (choice == 0) {
            check.kind = ResultCheck::Kind::kValueSz;
            if (!arity(tokens, 5, form) || !text(tokens[4], "the value's text", &check.text)) {
                return false;
            }
        } else {
            check.kind = ResultCheck::Kind::kValueMissing;
            if (!arity(tokens, 4, form)) {
                return false;
            }
        }
    } else {
        check.kind = ResultCheck::Kind::kRegistryUnchanged;
        if (!arity(tokens, 3, "expect registry unchanged") ||
            !word(tokens[2], {"unchanged"}, &choice)) {
            return false;
        }
    }
    scenario_->checks.push_back(check);
    return true;
}

// Contradictions that only the whole file shows.
bool ScenarioParser::finish() {
    bool message = false;
    bool noMessage = false;
    for (const ResultCheck& check : scenario_->checks) {
        message = message || check.kind == ResultCheck::Kind::kMessage;
        noMessage = noMessage || check.kind == ResultCheck::Kind::kNoMessage;
        if (message && noMessage) {
            line_ = check.line;
            return fail("expect no-message contradicts expect message");
        }
    }
    return true;
}

bool ScenarioParser::enter(Phase phase, const std::string& what) {
    if (phase < phase_) {
        static const char* const places[] = {"", "after the first action",
                                             "after the checks of the outcome"};
        return fail(what + " is out of place: it comes " + places[static_cast<int>(phase_)]);
    }
    phase_ = phase;
    return true;
}

bool ScenarioParser::arity(const Tokens& tokens, size_t count, const std::string& form) {
    return tokens.size() == count || fail("expected " + form);
}

bool ScenarioParser::text(const Token& token, const std::string& what, std::string* out) {
    if (!token.quoted) {
        return fail(what + " must be a text in double quotes");
    }
    *out = token.text;
    return true;
}

bool ScenarioParser::word(const Token& token, const std::vector<std::string>& choices,
                          size_t* index) {
    for (size_t i = 0; i < choices.size(); ++i) {
        if (!token.quoted && token.text == choices[i]) {
            *index = i;
            return true;
        }
    }
    return fail("expected " + joined(choices) + ", not " +
                (token.quoted ? "\"" + token.text + "\"" : token.text));
}

template <typename Enum> bool ScenarioParser::word(const Token& token, Enum* value) {
    size_t index = 0;
    if (!word(token, wordsOf<Enum>(), &index))
        return false;
    *value = valueAt<Enum>(index);
    return true;
}

bool ScenarioParser::fail(const std::string& what) {
    error_ = fileName_ + (line_ > 0 ? ":" + std::to_string(line_) : "") + ": " + what;
    return false;
}

bool loadScenario(const std::string& path, Scenario* scenario, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = path + ": cannot be read";
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    ScenarioParser parser(path);
    if (!parser.parse(text.str(), scenario)) {
        *error = parser.error();
        return false;
    }
    return true;
}

} // namespace scenario
