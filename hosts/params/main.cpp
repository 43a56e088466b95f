// quorlan-params: the adapter's eight parameters from a script. It lists, reads, sets and
// resets them with the labels, maps, ranges and defaults the properties dialog uses, and loads
// and saves them as the dialog does.
#include "command_line.h"
#include "commands.h"
#include "exit_status.h"
#include "messages.h"
#include "registry_choice.h"

#include <cstdio>

namespace {

const char kSynopsis[] =
    "usage: quorlan-params [--registry FILE] SERVICE [list] [--json]\n"
    "       quorlan-params [--registry FILE] SERVICE get PROPERTY [--json]\n"
    "       quorlan-params [--registry FILE] SERVICE set PROPERTY=VALUE... [--dry-run]\n"
    "       quorlan-params [--registry FILE] SERVICE reset [PROPERTY...] [--dry-run]\n"
    "       quorlan-params --help | --version\n";

const char kDescription[] =
    "\n"
    "Lists, reads, sets and resets the eight adapter parameters of SERVICE, the values under\n"
    "HKLM\\System\\CurrentControlSet\\Services\\SERVICE\\Parameters, by the labels, ranges and\n"
    "defaults of the properties dialog.\n"
    "\n"
    "Commands:\n"
    "  list   every property: its value as the dialog shows it (a stored code without a\n"
    "         label shows the default, and the code is named), its registry name, kind,\n"
    "         default and what it accepts; the command when none is given\n"
    "  get    the value of one property: a label, a number, an address, or \"absent\"\n"
    "  set    checks every PROPERTY=VALUE first, then writes them all in one save, or none\n"
    "  reset  the named properties (all eight when none is named) back to their defaults;\n"
    "         the optional ones become absent\n"
    "\n"
    "PROPERTY is a list label in any case (\"media type\") or a registry value name\n"
    "(NetworkMedia). VALUE is, for a List property, one of its labels in any case; for a\n"
    "Number property, a decimal number within its range; for Address, 12 hexadecimal digits,\n"
    "also written with ':' or '-' between pairs (stored as the 12 digits). Address and VLAN ID\n"
    "also take \"absent\", which deletes the value. Any other value is refused, never\n"
    "corrected; the message names the property and what it accepts.\n"
    "\n"
    "Options:\n"
    "  --registry FILE  the registry to work on (see below)\n"
    "  --json           list and get: JSON, an array of objects for list, one object for get,\n"
    "                   with the keys label, name, kind, value (null when absent), present,\n"
    "                   stored (the text read, null when there is none), unmapped (a stored\n"
    "                   code without a label), default (null when absent), optional, labels,\n"
    "                   minimum, maximum, maxLength (null where they do not apply), accepts\n"
    "  -n, --dry-run    set and reset: print each change as \"Label: before -> after\" and\n"
    "                   write nothing\n"
    "  -h, --help       this text\n"
    "  --version        the version\n"
    "\n";

const char kExitStatus[] =
    "\n"
    "Exit status: 0 done; 64 a usage error, an unknown property or a registry that cannot be\n"
    "used; 65 a value refused (nothing is written); 2 the key does not open or a write failed.\n"
    "Messages go to standard error, data to standard output.\n";

void printHelp() {
    std::fputs(kSynopsis, stdout);
    std::fputs(kDescription, stdout);
    std::fputs(quorlan_params::registryHelp(), stdout);
    std::fputs(kExitStatus, stdout);
}

int run(const quorlan_params::CommandLine& line) {
    using quorlan_params::Verb;
    switch (line.verb) {
    case Verb::kList:
        return quorlan_params::listProperties(line.service, line.json);
    case Verb::kGet:
        return quorlan_params::getProperty(line.service, line.operands[0], line.json);
    case Verb::kSet:
        return quorlan_params::setProperties(line.service, line.operands, line.dryRun);
    case Verb::kReset:
        return quorlan_params::resetProperties(line.service, line.operands, line.dryRun);
    }
    return quorlan_params::kExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    quorlan_params::useLineFeedOutput();
    quorlan_params::CommandLine line;
    std::string error;
    if (!quorlan_params::parseCommandLine(argc, argv, &line, &error)) {
        quorlan_params::sayError(error);
        std::fputs(kSynopsis, stderr);
        return quorlan_params::kExitUsage;
    }
    if (line.help) {
        printHelp();
        return quorlan_params::kExitDone;
    }
    if (line.version) {
        std::printf("quorlan-params %s\n", QUORLAN_VERSION);
        return quorlan_params::kExitDone;
    }
    if (!quorlan_params::chooseRegistry(line.registryGiven, line.registry, &error)) {
        quorlan_params::sayError(error);
        return quorlan_params::kExitUsage;
    }
    return run(line);
}
