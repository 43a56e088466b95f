#include "standard_output.h"

#include "exit_status.h"
#include "messages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quorlan_params {

namespace {

int firstError = 0; // the errno of the first write that failed

void noteFailure() {
    if (firstError == 0)
        firstError = errno != 0 ? errno : EIO;
}

} // namespace

void writeOutput(const std::string& text) {
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        noteFailure();
}

int finishOutput(int status) {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        noteFailure();
    errno = 0;
    if (std::fclose(stdout) != 0)
        noteFailure();
    if (firstError == 0)
        return status;
    sayError(std::string("cannot write to standard output: ") + std::strerror(firstError));
    return kExitOutput;
}

} // namespace quorlan_params
