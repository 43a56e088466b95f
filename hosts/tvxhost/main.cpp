// tvxhost.exe: a setup host for Windows. It loads quorlan.dll, calls TVXConfigEntryPoint with
// the service name and prints the result word (on the machine's registry, as a setup host
// does), or plays scenario files on the real dialog in a registry of its own.
#include "private_registry.h"
#include "scenario/run/entry_module.h"
#include "scenario/run/host_command_line.h"
#include "scenario/run/scenario_runner.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace {

const char kUsage[] =
    "usage: tvxhost.exe SERVICE\n"
    "       tvxhost.exe --script FILE...\n"
    "\n"
    "Loads quorlan.dll and calls TVXConfigEntryPoint with SERVICE, the name of a key\n"
    "under HKLM\\System\\CurrentControlSet\\Services. Prints the result word (OK,\n"
    "Cancel or Error) as its last line; exits 0 for OK, 1 for Cancel, 2 for Error.\n"
    "\n"
    "Without --script the call works on the machine's registry, as a setup host's does:\n"
    "OK saves into the service's Parameters key.\n"
    "\n"
    "--script plays each scenario file on the real dialog in a registry private to\n"
    "this process: HKEY_LOCAL_MACHINE is redirected to a scratch key under\n"
    "HKEY_CURRENT_USER\\Software\\quorlan\\tvxhost, removed when the run ends, so the\n"
    "machine's own keys are never read or written. In it the scenario's service key\n"
    "is written from its setup, the actions are played on the dialog and message boxes\n"
    "are answered. Prints PASS or FAIL per file and \"N passed, N failed\"; exits 0\n"
    "only when nothing failed.\n";

} // namespace

int main(int argc, char** argv) {
    // Lines end in "\n" alone, as the runners' readers on the other side of Wine expect.
    _setmode(_fileno(stdout), _O_BINARY);
    scenario::HostCommandLine command;
    int status = 0;
    if (!scenario::readHostCommandLine(argc, argv, {"tvxhost", kUsage, false}, &command, &status))
        return status;
    std::string error;
    scenario::EntryModule module;
    if (!module.load(scenario::EntryModule::defaultPath(), &error)) {
        std::fprintf(stderr, "tvxhost: %s\n", error.c_str());
        std::puts("Error");
        return 2;
    }
    if (command.script) {
        PrivateRegistry privateRegistry;
        if (!privateRegistry.open(&error)) {
            std::fprintf(stderr, "tvxhost: %s\n", error.c_str());
            return 2;
        }
        scenario::RunnerSettings settings;
        settings.entry = module.entryPoint();
        settings.rebuildServiceKey = true;
        return scenario::ScenarioRunner(settings).runAll(command.files) == 0 ? 0 : 1;
    }
    std::string word = scenario::callEntryPoint(module.entryPoint(), command.service).word;
    std::puts(word.empty() ? "(no result)" : word.c_str());
    return scenario::exitStatusFor(word);
}
