// Reads the scenario language: one statement a line, setup first, then the person's actions
// with checks of the controls, then the checks of the call's outcome. Any error names the file
// and line, and the scenario is then not run.
#pragma once

#include "line_tokenizer.h"
#include "scenario.h"

#include <string>
#include <vector>

namespace scenario {

class ScenarioParser {
  public:
    // fileName names the file in errors and gives the scenario its name.
    explicit ScenarioParser(std::string fileName);

    // False with error() set ("FILE:LINE: what") when the text is not a valid scenario.
    bool parse(const std::string& text, Scenario* scenario);
    const std::string& error() const { return error_; }

  private:
    enum class Phase { kSetup, kActions, kResults };
    using Tokens = std::vector<Token>;

    bool statement(const Tokens& tokens);
    bool setupStatement(const Tokens& tokens);
    bool valueStatement(const Tokens& tokens);
    bool actionStatement(const Tokens& tokens);
    bool expectStatement(const Tokens& tokens);
    bool editorCheck(const Tokens& tokens);
    bool resultCheck(const Tokens& tokens);
    bool finish();

    bool enter(Phase phase, const std::string& what);
    bool arity(const Tokens& tokens, size_t count, const std::string& form);
    bool text(const Token& token, const std::string& what, std::string* out);
    bool word(const Token& token, const std::vector<std::string>& choices, size_t* index);
    // A word of Enum's table (scenario_words.h).
    template <typename Enum> bool word(const Token& token, Enum* value);
    bool fail(const std::string& what);

    std::string fileName_;
    std::string error_;
    Scenario* scenario_ = nullptr;
    Phase phase_ = Phase::kSetup;
    int line_ = 0;
    bool serviceSet_ = false;
};

// Reads and parses a file; false with *error set when it cannot be read or parsed.
bool loadScenario(const std::string& path, Scenario* scenario, std::string* error);

} // namespace scenario
