#include "command_options.h"

#include <cstring>
#include <string_view>

namespace {

bool isOption(const char* word) {
    return word[0] == '-' && word[1] != '\0';
}

// The option a word names: "--name", "-n", or "--name=VALUE" (*attached then points at VALUE).
const CommandOption* findOption(const std::vector<CommandOption>& options, const char* word,
                                const char** attached) {
    const char* equals = std::strncmp(word, "--", 2) == 0 ? std::strchr(word, '=') : nullptr;
    const std::string_view name =
        equals ? std::string_view(word, static_cast<size_t>(equals - word)) : word;
    *attached = equals ? equals + 1 : nullptr;
    for (const CommandOption& option : options)
        if (name == option.name || (option.shortName != nullptr && name == option.shortName))
            return &option;
    return nullptr;
}

std::string nameOf(const char* word) {
    const char* equals = std::strchr(word, '=');
    return equals ? std::string(word, static_cast<size_t>(equals - word)) : std::string(word);
}

// Takes the option's value from "--name=VALUE" or the next word; false with *error set when it
// has none, or when an option without one is given one.
bool takeValue(const CommandOption& option, const char* word, const char* attached, int argc,
               char** argv, int* i, std::string* error) {
    if (option.value == nullptr) {
        if (attached != nullptr)
            *error = nameOf(word) + " takes no value";
        return attached == nullptr;
    }
    if (attached == nullptr && *i + 1 >= argc) {
        *error = std::string(word) + " needs " + option.valueName;
        return false;
    }
    *option.value = attached != nullptr ? attached : argv[++*i];
    if (option.value->empty()) {
        *error = nameOf(word) + " needs " + option.valueName + ", not an empty word";
        return false;
    }
    return true;
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
        const char* attached = nullptr;
        const CommandOption* option = findOption(options, word, &attached);
        if (option == nullptr) {
            *error = "unknown option " + nameOf(word);
            return false;
        }
        if (*option->given) {
            *error = std::string(option->name) + " is given more than once";
            return false;
        }
        if (!takeValue(*option, word, attached, argc, argv, &i, error))
            return false;
        *option->given = true;
    }
    return true;
}
