// Windows: the registry is the machine's own.
#include "registry_choice.h"

#include "platform/win32.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace quorlan_params {

bool chooseRegistry(bool fileGiven, const std::string&, std::string* error) {
    if (fileGiven) {
        *error = "--registry is for the Linux build; on Windows the command works on this "
                 "machine's registry";
        return false;
    }
    return true;
}

std::string missingRegistryFile() {
    return std::string();
}

std::string unwritableRegistryReason() {
    return std::string();
}

// Windows writes each value when it is set: a flush that fails leaves them written.
std::string saveFailureText(long status) {
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(status), 0, text, sizeof text, nullptr);
    std::string words = text;
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == '.'))
        words.pop_back();
    return "the registry did not flush (error " + std::to_string(status) +
           (words.empty() ? "" : ": " + words) + "); the values set are written";
}

// The machine's registry is saved as Windows saves it: there is nothing to tell.
std::string saveNote() {
    return std::string();
}

// The console and pipes take the stored text as it is: it is already in the ANSI code page.
std::string inOutputCharset(const std::string& ansi) {
    return ansi;
}

void prepareOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

const char* registryHelp() {
    return "The registry is this machine's own (run as an administrator to set or reset);\n"
           "--registry is refused.\n";
}

} // namespace quorlan_params
