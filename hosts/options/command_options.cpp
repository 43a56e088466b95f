#include "command_options.h"

#include <cstring>

namespace {

bool isOption(const char* word) {
    return word[0] == '-' && word[1] != '\0';
}

const CommandOption* findOption(const std::vector<CommandOption>& options, const char* word) {
    for (const CommandOption& option : options)
        if (std::strcmp(option.name, word) == 0 ||
            (option.shortName != nullptr && std::strcmp(option.shortName, word) == 0))
            return &option;
    return nullptr;
}

} // namespace

bool readCommandOptions(int argc, char** argv, const std::vector<CommandOption>& options,
                        std::vector<std::string>* operands, std::string* error) {
    operands->clear();
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (std::strcmp(word, "--") == 0) {
            operands->insert(operands->end(), argv + i + 1, argv + argc);
            break;
        }
        if (!isOption(word)) {
            operands->push_back(word);
            continue;
        }
        const CommandOption* option = findOption(options, word);
        if (option == nullptr) {
            *error = std::string("unknown option ") + word;
            return false;
        }
        if (option->value != nullptr) {
            if (i + 1 >= argc) {
                *error = std::string(word) + " needs " + option->valueName;
                return false;
            }
            *option->value = argv[++i];
        }
        *option->given = true;
    }
    return true;
}
