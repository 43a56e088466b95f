#include "host_command_line.h"

#include "options/command_options.h"

#include <cstdio>

namespace scenario {

bool parseHostCommandLine(int argc, char** argv, bool registryOption, HostCommandLine* out,
                          std::string* error) {
    *out = HostCommandLine();
    std::vector<CommandOption> options = {{"--help", "-h", &out->help},
                                          {"--script", nullptr, &out->script}};
    if (registryOption)
        options.push_back({"--registry", nullptr, &out->registryGiven, &out->registry, "a file"});
    std::vector<std::string> operands;
    if (!readCommandOptions(argc, argv, options, &operands, error))
        return false;
    if (out->help) {
        return true;
    }
    if (out->script) {
        out->files = operands;
        if (out->files.empty()) {
            *error = "--script needs at least one scenario file";
            return false;
        }
        return true;
    }
    if (operands.size() != 1) {
        *error = operands.empty() ? "the service name is missing" : "one service name only";
        return false;
    }
    out->service = operands[0];
    return true;
}

bool readHostCommandLine(int argc, char** argv, const HostUsage& usage, HostCommandLine* out,
                         int* status) {
    std::string error;
    if (!parseHostCommandLine(argc, argv, usage.registryOption, out, &error)) {
        std::fprintf(stderr, "%s: %s\n", usage.program, error.c_str());
        std::fputs(usage.text, stderr);
        *status = kUsageError;
        return false;
    }
    if (out->help) {
        std::fputs(usage.text, stdout);
        *status = 0;
        return false;
    }
    return true;
}

} // namespace scenario
