// hive_call: the cost of the dialog on a SYSTEM hive of the size of a real one: opening the hive
// (read whole into the registry), one whole call, and the save that its OK makes (the changes
// applied through hivex, the hive written beside itself and renamed over). Prints the time of
// each and the process's peak resident memory.
//
// usage: hive_call --make PATH MB   writes a test hive of at least MB MiB holding the service
//        hive_call PATH              measures, on a copy made by --make
#include "test_hive.h"
#include "whole_call.h"
#include "platform/portable/portable.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int make(const std::string& path, size_t megabytes) {
    test_support::TestHiveOptions options;
    options.sizeAtLeast = megabytes << 20;
    std::string error;
    if (!test_support::writeTestHive(path, options, &error) ||
        !portable::useRegistryFile(path, &error)) {
        std::fprintf(stderr, "hive_call: %s\n", error.c_str());
        return 2;
    }
    WholeCall::writeService(); // saved when its key is closed
    struct stat st {};
    ::stat(path.c_str(), &st);
    std::printf("%s: %lld bytes\n", path.c_str(), static_cast<long long>(st.st_size));
    return 0;
}

int measure(const std::string& path) {
    WholeCall call;
    std::string error;
    if (!call.load(&error)) {
        std::fprintf(stderr, "hive_call: %s\n", error.c_str());
        return 2;
    }
    Clock::time_point start = Clock::now();
    if (!portable::useRegistryFile(path, &error)) {
        std::fprintf(stderr, "hive_call: %s\n", error.c_str());
        return 2;
    }
    double open = millisecondsSince(start);
    struct rusage opened {};
    ::getrusage(RUSAGE_SELF, &opened);
    start = Clock::now();
    std::string word = call.run();
    double whole = millisecondsSince(start);
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("open %.0f ms (peak resident %ld KiB), call with its save %.0f ms (peak resident "
                "%ld KiB): %s\n",
                open, opened.ru_maxrss, whole, usage.ru_maxrss, word.c_str());
    return word == "OK" ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--make")
        return make(argv[2], std::strtoul(argv[3], nullptr, 10));
    if (argc == 2)
        return measure(argv[1]);
    std::fputs("usage: hive_call --make PATH MB | hive_call PATH\n", stderr);
    return 64;
}
