// The four commands on one service's parameters. Each writes its data to standard output
// (standard_output.h) and its messages on stderr, and returns the exit code.
#pragma once

#include <string>
#include <vector>

namespace quorlan_params {

int listProperties(const std::string& service, bool json);
int getProperty(const std::string& service, const std::string& property, bool json);
// How set and reset report: --dry-run (nothing written) and --json.
struct ChangeMode {
    bool dryRun = false;
    bool json = false;
};

// `pairs` are PROPERTY=VALUE.
int setProperties(const std::string& service, const std::vector<std::string>& pairs,
                  const ChangeMode& mode);
// No names: all eight.
int resetProperties(const std::string& service, const std::vector<std::string>& names,
                    const ChangeMode& mode);

} // namespace quorlan_params
