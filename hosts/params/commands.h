// The four commands on one service's parameters. Each prints its data on stdout and its
// messages on stderr, and returns the exit code.
#pragma once

#include <string>
#include <vector>

namespace quorlan_params {

int listProperties(const std::string& service, bool json);
int getProperty(const std::string& service, const std::string& property, bool json);
// `pairs` are PROPERTY=VALUE.
int setProperties(const std::string& service, const std::vector<std::string>& pairs, bool dryRun);
// No names: all eight.
int resetProperties(const std::string& service, const std::vector<std::string>& names, bool dryRun);

} // namespace quorlan_params
