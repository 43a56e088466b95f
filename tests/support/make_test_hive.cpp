// make-test-hive: writes a SYSTEM hive for tests (test_hive.h).
//
//   make-test-hive [--current N] [--no-select] [--size MB] FILE
//   make-test-hive --mark-dirty FILE    (an existing hive, as a crash leaves it)
//   make-test-hive --crash BEFORE AFTER (AFTER as a crash leaves it, its changes since BEFORE
//                                        only in AFTER.LOG1 and AFTER.LOG2)
#include "test_hive.h"
#include "test_hive_logs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--mark-dirty") == 0)
        return test_support::markHiveDirty(argv[2]) ? 0 : 1;
    std::string error;
    if (argc == 4 && std::strcmp(argv[1], "--crash") == 0) {
        if (test_support::crashBetween(argv[2], argv[3], 4096, &error))
            return 0;
        std::fprintf(stderr, "make-test-hive: %s\n", error.c_str());
        return 1;
    }
    test_support::TestHiveOptions options;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--current") == 0 && hasValue)
            options.current = static_cast<unsigned>(std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--no-select") == 0)
            options.current = 0;
        else if (std::strcmp(argv[i], "--size") == 0 && hasValue)
            options.sizeAtLeast = static_cast<size_t>(std::atol(argv[++i])) << 20;
        else if (!path && argv[i][0] != '-')
            path = argv[i];
        else
            path = nullptr, i = argc;
    }
    if (!path) {
        std::fputs("usage: make-test-hive [--current N] [--no-select] [--size MB] FILE\n"
                   "       make-test-hive --mark-dirty FILE\n"
                   "       make-test-hive --crash BEFORE AFTER\n",
                   stderr);
        return 64;
    }
    if (!test_support::writeTestHive(path, options, &error)) {
        std::fprintf(stderr, "make-test-hive: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
