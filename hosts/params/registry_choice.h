// Which registry the command works on, and how its output leaves the process: the two things
// that differ between the Linux build (a registry file) and Windows (the machine's registry).
#pragma once

#include <string>

namespace quorlan_params {

// Makes the registry of this run ready. False with *error set when it cannot be used (a file
// that does not load; --registry where the machine's own registry is the only one).
bool chooseRegistry(bool fileGiven, const std::string& file, std::string* error);

// Lines end in "\n" alone on every platform, so that scripts read the same output.
void useLineFeedOutput();

// The registry the command describes in --help.
const char* registryHelp();

} // namespace quorlan_params
