// interchange write|check|check-export: writes the interchange table into the registry, or
// compares the registry with it (check-export: a registry loaded from the registry editor's
// export). Run natively on a registry file and under Wine on the real registry, it shows that a
// file written by one side loads on the other with every value unchanged.
#include "registry_store.h"
#include "table_registry.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int usage() {
    std::fprintf(stderr, "usage: interchange write|check|check-export%s\n",
                 interchange::storeArguments());
    return 2;
}

int check(interchange::Source source) {
    std::vector<std::string> differences = interchange::compareWithTable(source);
    for (const std::string& difference : differences)
        std::printf("%s\n", difference.c_str());
    std::printf("%zu difference(s) from the interchange table\n", differences.size());
    return differences.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage();
    std::string command = argv[1];
    if (command != "write" && command != "check" && command != "check-export")
        return usage();
    std::string error;
    if (!interchange::chooseStore(std::vector<std::string>(argv + 2, argv + argc), &error)) {
        std::fprintf(stderr, "interchange: %s\n", error.c_str());
        return 2;
    }
    if (command != "write")
        return check(command == "check" ? interchange::Source::Written
                                        : interchange::Source::Export);
    if (!interchange::writeTable(&error)) {
        std::fprintf(stderr, "interchange: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
