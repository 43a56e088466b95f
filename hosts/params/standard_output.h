// Standard output, where scripts read the command's data: every write is checked, so that data
// that did not arrive (a full disk, a closed pipe, a closed descriptor) ends the command with a
// status of its own instead of a silent success.
#pragma once

#include <string>

namespace quorlan_params {

// Writes `text` to standard output (buffered; a failure is noted for finishOutput).
void writeOutput(const std::string& text);

// Flushes and closes standard output. Returns `status` when everything written arrived;
// otherwise says so on standard error and returns kExitOutput.
int finishOutput(int status);

} // namespace quorlan_params
