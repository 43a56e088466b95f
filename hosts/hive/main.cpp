// quorlan-hive: the rescue of a SYSTEM hive left dirty by a crash, a power cut or a disk pulled
// from a running machine. It replays the hive's transaction logs as Windows does when it loads
// the hive, with the same code the registry of the other commands uses.
#include "hive_commands.h"

#include "options/command_options.h"

#include <cstdio>

namespace {

const char kUsage[] = "usage: quorlan-hive check HIVE\n"
                      "       quorlan-hive recover HIVE --output NEW\n"
                      "       quorlan-hive --help | --version\n";

const char kHelp[] =
    "\n"
    "A hive that Windows did not close cleanly holds its latest changes only in its\n"
    "transaction logs, HIVE.LOG1, HIVE.LOG2 (or HIVE.LOG) beside it, names in any case.\n"
    "Windows replays them when it loads the hive; so do quorlan-setup and quorlan-params,\n"
    "and so does this command.\n"
    "\n"
    "Commands:\n"
    "  check HIVE                 whether the hive is clean or dirty, the logs found and their\n"
    "                             format, the entries or pages a replay applies and the\n"
    "                             sequence numbers; writes nothing\n"
    "  recover HIVE --output NEW  writes the hive, its logs replayed, to NEW as a clean hive;\n"
    "                             a clean hive is copied as it is. NEW must not exist yet.\n"
    "                             HIVE and its logs are never touched\n"
    "\n"
    "Options:\n"
    "  -o, --output NEW  the file recover writes\n"
    "  -h, --help        this text\n"
    "  --version         the version\n"
    "\n"
    "Exit status: 0 the hive can be used (clean, or brought up to date); 64 a usage error;\n"
    "65 a dirty hive that its logs cannot bring up to date (nothing is written); 66 the hive\n"
    "cannot be read or is no hive; 73 NEW exists or cannot be written. Messages go to\n"
    "standard error, the report of check to standard output.\n";

int usageError(const std::string& error) {
    std::fprintf(stderr, "quorlan-hive: %s\n%s", error.c_str(), kUsage);
    return quorlan_hive::kExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    bool help = false, version = false, outputGiven = false;
    std::string output, error;
    const std::vector<CommandOption> options = {
        {"--help", "-h", &help},
        {"--version", nullptr, &version},
        {"--output", "-o", &outputGiven, &output, "a file"},
    };
    std::vector<std::string> words;
    if (!readCommandOptions(argc, argv, options, &words, &error))
        return usageError(error);
    if (help) {
        std::printf("%s%s", kUsage, kHelp);
        return quorlan_hive::kExitDone;
    }
    if (version) {
        std::printf("quorlan-hive %s\n", QUORLAN_VERSION);
        return quorlan_hive::kExitDone;
    }
    if (words.empty())
        return usageError("a command is missing (check or recover)");
    const std::string& command = words[0];
    if (command != "check" && command != "recover")
        return usageError("unknown command " + command + " (check or recover)");
    if (words.size() != 2)
        return usageError(command + " takes one HIVE");
    if (command == "check") {
        if (outputGiven)
            return usageError("--output goes with recover");
        return quorlan_hive::checkHive(words[1]);
    }
    if (!outputGiven)
        return usageError("recover needs --output NEW");
    return quorlan_hive::recoverHive(words[1], output);
}
