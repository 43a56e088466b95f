#include "line_tokenizer.h"

namespace scenario {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool endsToken(const std::string& line, size_t at) {
    return at >= line.size() || isBlank(line[at]) || line[at] == '#';
}

// Reads the text that opens at line[*at] == '"'; leaves *at after the closing quote.
bool readText(const std::string& line, size_t* at, std::string* text, std::string* error) {
    for (size_t i = *at + 1; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            *at = i + 1;
            if (endsToken(line, *at)) {
                return true;
            }
            *error = "a text must be followed by a blank";
            return false;
        }
        if (c == '\\') {
            if (i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                *text += line[++i];
                continue;
            }
            *error = "bad escape in a text (only \\\" and \\\\ are known)";
            return false;
        }
        *text += c;
    }
    *error = "a text is not closed";
    return false;
}

bool readWord(const std::string& line, size_t* at, std::string* word, std::string* error) {
    size_t i = *at;
    while (!endsToken(line, i)) {
        if (line[i] == '"') {
            *error = "a quote inside a word";
            return false;
        }
        *word += line[i++];
    }
    *at = i;
    return true;
}

} // namespace

bool tokenizeLine(const std::string& line, std::vector<Token>* tokens, std::string* error) {
    tokens->clear();
    size_t at = 0;
    while (at < line.size()) {
        if (isBlank(line[at])) {
            ++at;
            continue;
        }
        if (line[at] == '#') {
            break;
        }
        Token token;
        token.quoted = line[at] == '"';
        bool ok = token.quoted ? readText(line, &at, &token.text, error)
                               : readWord(line, &at, &token.text, error);
        if (!ok) {
            return false;
        }
        tokens->push_back(token);
    }
    return true;
}

} // namespace scenario
