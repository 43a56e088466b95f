#include "command_line.h"

#include "options/command_options.h"

namespace quorlan_params {

namespace {

bool parseVerb(const std::string& word, Verb* verb) {
    const struct {
        const char* word;
        Verb verb;
    } verbs[] = {
        {"list", Verb::kList}, {"get", Verb::kGet}, {"set", Verb::kSet}, {"reset", Verb::kReset}};
    for (const auto& known : verbs) {
        if (word == known.word) {
            *verb = known.verb;
            return true;
        }
    }
    return false;
}

// Options a verb does not take, and operands it cannot do with.
bool checkVerb(const CommandLine& line, std::string* error) {
    const bool reads = line.verb == Verb::kList || line.verb == Verb::kGet;
    if (reads && line.dryRun) {
        *error = "--dry-run goes with set and reset";
        return false;
    }

    switch (line.verb) {
    case Verb::kList:
        if (!line.operands.empty())
            *error = "list takes no property";
        break;
    case Verb::kGet:
        if (line.operands.size() != 1)
            *error = "get takes one property";
        break;
    case Verb::kSet:
        if (line.operands.empty())
            *error = "set needs at least one PROPERTY=VALUE";
        break;
    case Verb::kReset:
        break;
    }
    return error->empty();
}

} // namespace

bool parseCommandLine(int argc, char** argv, CommandLine* out, std::string* error) {
    *out = CommandLine();
    error->clear();
    const std::vector<CommandOption> options = {
        {"--help", "-h", &out->help},
        {"--version", nullptr, &out->version},
        {"--json", nullptr, &out->json},
        {"--dry-run", "-n", &out->dryRun},
        {"--registry", nullptr, &out->registryGiven, &out->registry, "a file"},
    };
    std::vector<std::string> words;
    if (!readCommandOptions(argc, argv, options, &words, error))
        return false;
    if (out->help || out->version)
        return true;
    if (words.empty()) {
        *error = "the service name is missing";
        return false;
    }
    out->service = words[0];
    if (out->service.empty() || out->service.find('\\') != std::string::npos) {
        *error = "the service name \"" + out->service +
                 "\" is not one: it names one key under Services, not empty, without '\\'";
        return false;
    }
    if (words.size() > 1 && !parseVerb(words[1], &out->verb)) {
        *error = "unknown command " + words[1] + " (list, get, set or reset)";
        return false;
    }
    if (words.size() > 2)
        out->operands.assign(words.begin() + 2, words.end());
    return checkVerb(*out, error);
}

} // namespace quorlan_params
