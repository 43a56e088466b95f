// quorlan-setup: a setup host for Linux. It loads quorlan.so, calls TVXConfigEntryPoint with
// the service name and prints the result word, or plays scenario files. The registry is a
// REGEDIT4 file or a Windows SYSTEM hive, kept by the portable Win32 layer.
#include "error_explanation.h"
#include "registry_file.h"
#include "platform/portable/portable.h"
#include "scenario/run/entry_module.h"
#include "scenario/run/host_command_line.h"
#include "scenario/run/scenario_runner.h"
#include "setup/terminal/terminal_session.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

const char kUsage[] =
    "usage: quorlan-setup [--registry FILE] SERVICE\n"
    "       quorlan-setup [--registry FILE] --script FILE...\n"
    "       quorlan-setup --help | --version\n"
    "\n"
    "Loads quorlan.so ($QUORLAN_MODULE, else the one next to this program, else the one\n"
    "installed with it) and calls TVXConfigEntryPoint with SERVICE, the name of a key\n"
    "under HKLM\\System\\CurrentControlSet\\Services. Prints the result word (OK, Cancel\n"
    "or Error) as its last line; exits 0 for OK, 1 for Cancel, 2 for Error, 64 for a usage\n"
    "error or a registry file that does not load. After an Error it says on standard\n"
    "error which key it looked for and in which file, or what the dialog said.\n"
    "\n"
    "The registry is the REGEDIT4 file given with --registry, else $QUORLAN_REGISTRY, else\n"
    "./quorlan.reg; a missing file is an empty registry. The dialog saves into it.\n"
    "The file may also be a Windows SYSTEM hive (Windows/System32/config/SYSTEM of an\n"
    "offline installation), told apart by its content: it is then HKLM\\System, with\n"
    "CurrentControlSet the control set its Select\\Current value names. A hive whose logs\n"
    "hold changes it lacks is shown but not written.\n"
    "\n"
    "The dialog opens in the terminal: Tab and Shift+Tab move between controls, arrows\n"
    "choose in lists, Space presses a button or opens a drop-down list, Alt and the\n"
    "underlined letter press that button, Enter presses the default button, Escape\n"
    "cancels, F1 asks for help; the mouse clicks. The terminal needs at least 64 x 21\n"
    "characters; colours follow the terminal and NO_COLOR.\n"
    "\n"
    "--script plays each scenario file and prints PASS or FAIL per file, then\n"
    "\"N passed, N failed\"; exits 0 only when nothing failed. Each scenario runs on a fresh\n"
    "registry in memory holding only its setup. With --registry it runs on that file\n"
    "instead, as it stands: the setup is written on top of it (no-parameters-key deletes\n"
    "the Parameters key), \"expect registry unchanged\" compares with the file as it was\n"
    "right before the call, and the values are checked as the file holds them afterwards.\n";

// True when the command line asks for the version, which no other argument changes.
bool versionAsked(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (std::strcmp(argv[i], "--version") == 0)
            return true;
    return false;
}

// Lets the person at a terminal read a notice before the dialog covers it: true once Enter is
// pressed (or when no one is at a terminal), false at the end of the input.
bool waitForEnter() {
    if (!isatty(STDIN_FILENO)) {
        return true;
    }
    std::fputs("Press Enter to open the dialog anyway (it will not save), Ctrl+D to stop. ",
               stderr);
    for (int c = std::getchar(); c != '\n'; c = std::getchar()) {
        if (c == EOF) {
            return false;
        }
    }
    return true;
}

// Runs the call with the person at the terminal; an empty word when there is no terminal.
// A call that ends in "Error" says why on standard error, once the terminal is back.
std::string callInTerminal(scenario::EntryPoint entry, const std::string& service,
                           const RegistryFileUsed& file, std::string* error) {
    terminal::TerminalSession session;
    if (!session.open(error))
        return std::string();
    std::string word = scenario::callEntryPoint(entry, service).word;
    session.close();
    if (word == "Error")
        std::fprintf(stderr, "quorlan-setup: %s",
                     explainError(service, file, session.messagesShown()).c_str());
    return word;
}

// The dialog says only "Could not save ..."; the person running it learns why here, e.g. which
// process held the registry's lock.
void reportSaveProblem() {
    std::string problem = portable::lastRegistrySaveError();
    if (!problem.empty())
        std::fprintf(stderr, "quorlan-setup: %s\n", problem.c_str());
    // A save that kept the file's ACL or label by rewriting it in place says so.
    std::string note = portable::lastRegistrySaveNote();
    if (problem.empty() && !note.empty())
        std::fprintf(stderr, "quorlan-setup: %s\n", note.c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (versionAsked(argc, argv)) {
        std::printf("quorlan-setup %s\n", QUORLAN_VERSION);
        return 0;
    }
    scenario::HostCommandLine command;
    int status = 0;
    if (!scenario::readHostCommandLine(argc, argv, {"quorlan-setup", kUsage, true}, &command,
                                       &status))
        return status;
    std::string error;
    const bool fileStore = !command.script || command.registryGiven;
    const RegistryFileUsed file = chooseRegistryFile(command.registryGiven, command.registry);
    if (fileStore && !portable::useRegistryFile(file.path, &error)) {
        std::fprintf(stderr, "quorlan-setup: %s\n", error.c_str());
        return scenario::kUsageError;
    }
    if (fileStore && !portable::registryReplayNote().empty())
        std::fprintf(stderr, "quorlan-setup: %s\n", portable::registryReplayNote().c_str());
    if (fileStore && !portable::registryNotice().empty()) {
        std::fprintf(stderr, "quorlan-setup: %s\n", portable::registryNotice().c_str());
        if (!command.script && !waitForEnter()) {
            std::puts("Cancel");
            return scenario::exitStatusFor("Cancel");
        }
    }
    scenario::EntryModule module;
    const std::string path = scenario::EntryModule::defaultPath();
    if (!module.load(path, &error)) {
        std::fprintf(stderr, "quorlan-setup: %s\n", error.c_str());
        std::puts("Error");
        return 2;
    }
    if (command.script) {
        scenario::RunnerSettings settings;
        settings.entry = module.entryPoint();
        settings.rebuildServiceKey = !fileStore;
        if (!fileStore) {
            settings.beforeEach = [] { portable::useMemoryRegistry(); };
        } else {
            // The checks read the file as the call left it, not this process's view of it.
            settings.afterCall = [&file] {
                reportSaveProblem(); // reading the file again forgets it
                std::string ignored;
                portable::useRegistryFile(file.path, &ignored);
            };
        }
        int failed = scenario::ScenarioRunner(settings).runAll(command.files);
        reportSaveProblem();
        return failed == 0 ? 0 : 1;
    }
    std::string word = callInTerminal(module.entryPoint(), command.service, file, &error);
    reportSaveProblem();
    if (!error.empty()) {
        std::fprintf(stderr, "quorlan-setup: %s\n", error.c_str());
        return scenario::kUsageError;
    }
    std::puts(word.empty() ? "(no result)" : word.c_str());
    return scenario::exitStatusFor(word);
}
