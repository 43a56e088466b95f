// quorlan-params: the adapter's eight parameters from a script. It lists, reads, sets and
// resets them with the labels, maps, ranges and defaults the properties dialog uses, and loads
// and saves them as the dialog does.
#include "command_line.h"
#include "commands.h"
#include "exit_status.h"
#include "messages.h"
#include "registry_choice.h"
#include "standard_output.h"

#include <cstdio>

namespace {

const char kSynopsis[] =
    "usage: quorlan-params [--registry FILE] SERVICE [list] [--json]\n"
    "       quorlan-params [--registry FILE] SERVICE get PROPERTY [--json]\n"
    "       quorlan-params [--registry FILE] SERVICE set PROPERTY=VALUE... [--dry-run] [--json]\n"
    "       quorlan-params [--registry FILE] SERVICE reset [PROPERTY...] [--dry-run] [--json]\n"
    "       quorlan-params --help | --version\n";

const char kDescription[] =
    "\n"
    "Lists, reads, sets and resets the eight adapter parameters of SERVICE, the values under\n"
    "HKLM\\System\\CurrentControlSet\\Services\\SERVICE\\Parameters, by the labels, ranges and\n"
    "defaults of the properties dialog.\n"
    "\n"
    "Commands:\n"
    "  list   every property: its value as the dialog shows it, its registry name, kind,\n"
    "         default and what it accepts; the command when none is given. A stored value\n"
    "         the dialog shows otherwise is named beside it: a code without a label (the\n"
    "         default shows), data that is not text, a number out of range or not a number\n"
    "  get    the value of one property: a label, a number, an address, or \"absent\"\n"
    "  set    checks every PROPERTY=VALUE first, then writes those that change in one save,\n"
    "         or none; values already as asked are named on standard error (\"unchanged\")\n"
    "         and not written, so a set that changes nothing leaves the registry untouched\n"
    "  reset  the named properties (all eight when none is named) back to their defaults;\n"
    "         the optional ones become absent; otherwise as set\n"
    "\n"
    "PROPERTY is a list label in any case (\"media type\") or a registry value name\n"
    "(NetworkMedia). VALUE is, for a List property, one of its labels in any case; for a\n"
    "Number property, a decimal number within its range, digits only (leading zeros are\n"
    "allowed and dropped: 0012 is stored as 12); for Address, 12 hexadecimal digits, also\n"
    "written with ':' or '-' between pairs (stored as the 12 digits). Address and VLAN ID\n"
    "also take \"absent\", which deletes the value. Any other value is refused, never\n"
    "corrected; the message names the property and what it accepts.\n"
    "\n"
    "Options:\n"
    "  --registry FILE  the registry to work on (see below); also --registry=FILE\n"
    "  --json           list and get: JSON, an array of objects for list, one object for get,\n"
    "                   with the keys label, name, kind, value (null when absent), present,\n"
    "                   stored (the text read, null when there is none), unmapped (a stored\n"
    "                   code without a label), note (what list names beside the value, or\n"
    "                   null), default (null when absent), optional, labels, minimum,\n"
    "                   maximum, maxLength (null where they do not apply), accepts.\n"
    "                   set and reset: one object {\"changed\": [{label, name, before, after}],\n"
    "                   \"unchanged\": [{label, name, value}], \"written\": true or false}.\n"
    "                   Text is decoded from Windows-1252, non-ASCII written as \\u escapes\n"
    "  -n, --dry-run    set and reset: print each change as \"Label: before -> after\" and\n"
    "                   write nothing; where the change could not be saved (a hive that is\n"
    "                   never written), say so and exit 2 as set would\n"
    "  -h, --help       this text\n"
    "  --version        the version\n"
    "\n";

const char kExitStatus[] =
    "\n"
    "Exit status: 0 done; 64 a usage error (an option given twice, an empty service name or\n"
    "one with '\\'), an unknown property or a registry that cannot be used; 65 a value\n"
    "refused (nothing is written); 2 the key does not open, or the save failed; 74 standard\n"
    "output could not be written. A failed save says why (its lock held, no permission for\n"
    "the file or its folder, no space, a read-only file system, a hive that is never written)\n"
    "and whether anything was changed. Messages go to standard error, data to standard\n"
    "output.\n";

void printHelp() {
    using quorlan_params::writeOutput;
    writeOutput(kSynopsis);
    writeOutput(kDescription);
    writeOutput(quorlan_params::registryHelp());
    writeOutput(kExitStatus);
}

int run(const quorlan_params::CommandLine& line) {
    using quorlan_params::Verb;
    switch (line.verb) {
    case Verb::kList:
        return quorlan_params::listProperties(line.service, line.json);
    case Verb::kGet:
        return quorlan_params::getProperty(line.service, line.operands[0], line.json);
    case Verb::kSet:
        return quorlan_params::setProperties(line.service, line.operands, {line.dryRun, line.json});
    case Verb::kReset:
        return quorlan_params::resetProperties(line.service, line.operands,
                                               {line.dryRun, line.json});
    }
    return quorlan_params::kExitUsage;
}

int runCommandLine(int argc, char** argv) {
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
        quorlan_params::writeOutput(std::string("quorlan-params ") + QUORLAN_VERSION + "\n");
        return quorlan_params::kExitDone;
    }
    if (!quorlan_params::chooseRegistry(line.registryGiven, line.registry, &error)) {
        quorlan_params::sayError(error);
        return quorlan_params::kExitUsage;
    }
    return run(line);
}

} // namespace

int main(int argc, char** argv) {
    quorlan_params::prepareOutput();
    return quorlan_params::finishOutput(runCommandLine(argc, argv));
}
