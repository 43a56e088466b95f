// Splits one scenario line into words and double-quoted texts; '#' outside a text starts a
// comment. A text knows two escapes, \" and \\, and must stand apart from its neighbours.
#pragma once

#include <string>
#include <vector>

namespace scenario {

struct Token {
    std::string text;
    bool quoted = false; // written as "..." (so "ok" in quotes is not the word ok)
};

// False, with *error saying why, when the line holds a bad text.
bool tokenizeLine(const std::string& line, std::vector<Token>* tokens, std::string* error);

} // namespace scenario
