// The options of the hosts' command lines, read one way for all of them, as GNU programs read
// them: options may stand anywhere, "--" ends them, a value follows as the next word or after
// '=' ("--registry=FILE"), a word that starts with '-' and is no known option is an error, an
// option given twice is an error (which of two values is meant cannot be told), and every
// other word is an operand, kept in order.
#pragma once

#include <string>
#include <vector>

struct CommandOption {
    const char* name;             // "--help"
    const char* shortName;        // "-h", or nullptr
    bool* given;                  // set when the option is on the line
    std::string* value = nullptr; // the word after it, for an option that takes one
    const char* valueName = "";   // what that word is, for the error: "a file"
};

// False with *error set when an option is unknown, given twice, lacks its value (or has an
// empty one), or has a value it does not take.
bool readCommandOptions(int argc, char** argv, const std::vector<CommandOption>& options,
                        std::vector<std::string>* operands, std::string* error);
