// Which registry the command works on, and how its output leaves the process: the things that
// differ between the Linux build (a registry file) and Windows (the machine's registry).
#pragma once

#include <string>

namespace quorlan_params {

// Makes the registry of this run ready. False with *error set when it cannot be used (a file
// that does not load; --registry where the machine's own registry is the only one).
bool chooseRegistry(bool fileGiven, const std::string& file, std::string* error);

// "the registry file F (given with --registry) does not exist" when the run's registry is a file
// that was not there when chosen (an empty registry); empty otherwise.
std::string missingRegistryFile();

// Why the registry in use will be read but never written (a hive whose logs hold changes it
// lacks), naming it; empty when it will be written.
std::string unwritableRegistryReason();

// Why the last save (RegFlushKey) failed, and whether anything of it was written, in the words
// every host uses; `status` is what the flush returned.
std::string saveFailureText(long status);

// How the last save that succeeded was made when not as usual (the file rewritten in place, and
// why), naming the file; empty otherwise.
std::string saveNote();

// Stored text (Windows-1252) in the character set standard output is read in.
std::string inOutputCharset(const std::string& ansi);

// Readies the standard streams: lines end in "\n" alone on every platform, so that scripts read
// the same output, and a stream that was closed stays closed (no file the command opens takes
// its place).
void prepareOutput();

// The registry the command describes in --help.
const char* registryHelp();

} // namespace quorlan_params
