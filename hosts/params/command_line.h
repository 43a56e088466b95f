// The command line of quorlan-params:
//   [--registry FILE] SERVICE [list] [--json]
//   [--registry FILE] SERVICE get PROPERTY [--json]
//   [--registry FILE] SERVICE set PROPERTY=VALUE... [--dry-run] [--json]
//   [--registry FILE] SERVICE reset [PROPERTY...] [--dry-run] [--json]
// Options are read as hosts/options reads them (anywhere, "--registry=FILE", none twice); SERVICE
// is one key's name: not empty, without a backslash.
#pragma once

#include <string>
#include <vector>

namespace quorlan_params {

enum class Verb { kList, kGet, kSet, kReset };

struct CommandLine {
    bool help = false;
    bool version = false;
    bool registryGiven = false;
    std::string registry;
    std::string service;
    Verb verb = Verb::kList;
    std::vector<std::string> operands; // after the verb: PROPERTY or PROPERTY=VALUE
    bool json = false;
    bool dryRun = false;
};

// False with *error set when the line is not a command of the forms above.
bool parseCommandLine(int argc, char** argv, CommandLine* out, std::string* error);

} // namespace quorlan_params
