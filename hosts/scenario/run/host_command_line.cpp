#include "host_command_line.h"

namespace scenario {

namespace {

bool isOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

} // namespace

bool parseHostCommandLine(int argc, char** argv, bool registryOption, HostCommandLine* out,
                          std::string* error) {
    *out = HostCommandLine();
    std::vector<std::string> operands;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            out->help = true;
        } else if (arg == "--script") {
            out->script = true;
        } else if (arg == "--registry" && registryOption) {
            if (i + 1 >= argc) {
                *error = "--registry needs a file";
                return false;
            }
            out->registryGiven = true;
            out->registry = argv[++i];
        } else if (arg == "--") {
            operands.insert(operands.end(), argv + i + 1, argv + argc);
            break;
        } else if (isOption(arg)) {
            *error = "unknown option " + arg;
            return false;
        } else {
            operands.push_back(arg);
        }
    }
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

} // namespace scenario
