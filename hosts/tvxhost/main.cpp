// tvxhost.exe: a setup host for Windows. It loads quorlan.dll, calls TVXConfigEntryPoint with
// the service name and prints the result word, or plays scenario files on the real registry
// and the real dialog.
#include "DllModule.h"
#include "scenario/HostCommandLine.h"
#include "scenario/ScenarioRunner.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace {

const int kUsageError = 64;

void printUsage(FILE* out) {
    std::fputs("usage: tvxhost.exe SERVICE\n"
               "       tvxhost.exe --script FILE...\n"
               "\n"
               "Loads quorlan.dll and calls TVXConfigEntryPoint with SERVICE, the name of a key\n"
               "under HKLM\\System\\CurrentControlSet\\Services. Prints the result word (OK,\n"
               "Cancel or Error) as its last line; exits 0 for OK, 1 for Cancel, 2 for Error.\n"
               "\n"
               "--script plays each scenario file on the real registry and the real dialog: the\n"
               "scenario's service key is deleted and written anew from its setup, the actions\n"
               "are played on the dialog and message boxes are answered. Prints PASS or FAIL per\n"
               "file and \"N passed, N failed\"; exits 0 only when nothing failed.\n",
               out);
}

} // namespace

int main(int argc, char** argv) {
    // Lines end in "\n" alone, as the runners' readers on the other side of Wine expect.
    _setmode(_fileno(stdout), _O_BINARY);
    scenario::HostCommandLine command;
    std::string error;
    if (!scenario::parseHostCommandLine(argc, argv, false, &command, &error)) {
        std::fprintf(stderr, "tvxhost: %s\n", error.c_str());
        printUsage(stderr);
        return kUsageError;
    }
    if (command.help) {
        printUsage(stdout);
        return 0;
    }
    DllModule module;
    if (!module.load("quorlan.dll", &error)) {
        std::fprintf(stderr, "tvxhost: %s\n", error.c_str());
        std::puts("Error");
        return 2;
    }
    if (command.script) {
        scenario::RunnerSettings settings;
        settings.entry = module.entryPoint();
        settings.rebuildServiceKey = true;
        return scenario::ScenarioRunner(settings).runAll(command.files) == 0 ? 0 : 1;
    }
    std::string word = scenario::callEntryPoint(module.entryPoint(), command.service).word;
    std::puts(word.empty() ? "(no result)" : word.c_str());
    return scenario::exitStatusFor(word);
}
