// hive_replay: what a dirty hive's logs add to opening it. Makes a SYSTEM hive of at least MB
// MiB, then leaves it as a crash does: its base block dirty and the first half of its hive bins
// in log entries of 64 KiB taking turns between SYSTEM.LOG1 and SYSTEM.LOG2; beside it, the
// same hive already replayed (clean, no logs). Times opening each (useRegistryFile: the file
// read, the logs read and replayed, the tree made through hivex) in processor time, best of
// five, in one run.
//
// usage: hive_replay DIR MB            (DIR empty or missing; its files are left there)
//        hive_replay --measure DIRTY CLEAN   (a dirty hive with its logs beside it, and the
//                                             same hive replayed, e.g. by quorlan-hive recover)
#include "test_hive.h"
#include "test_hive_logs.h"
#include "platform/portable/portable.h"

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>

namespace {

constexpr size_t kEntryBytes = 64 << 10;

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

uint32_t le32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The dirty hive and its logs in dir, and the replayed one as dir/CLEAN.
bool make(const std::string& dir, size_t megabytes, std::string* error) {
    ::mkdir(dir.c_str(), 0755);
    test_support::TestHiveOptions options;
    options.sizeAtLeast = megabytes << 20;
    std::string hivePath = dir + "/SYSTEM";
    if (!test_support::writeTestHive(hivePath, options, error))
        return false;
    writeAll(dir + "/CLEAN", readAll(hivePath)); // what the replay gives back
    if (!test_support::markHiveDirty(hivePath)) {
        *error = hivePath + ": cannot mark it dirty";
        return false;
    }
    std::string hive = readAll(hivePath);
    std::string bins = test_support::hiveBinsOf(hive);
    uint32_t sequence = le32(hive, 8);
    std::vector<test_support::TestLogEntry> logs[2];
    for (size_t at = 0; at < bins.size() / 2; at += kEntryBytes) {
        test_support::TestLogEntry entry{sequence, bins.substr(at, kEntryBytes)};
        entry.pageOffset = static_cast<uint32_t>(at);
        entry.hiveBinsSize = static_cast<uint32_t>(bins.size());
        logs[sequence % 2].push_back(entry);
        ++sequence;
    }
    writeAll(dir + "/SYSTEM.LOG1", test_support::newFormatLog(hive, logs[0]));
    writeAll(dir + "/SYSTEM.LOG2", test_support::newFormatLog(hive, logs[1]));
    return true;
}

// Milliseconds of processor time (this process's, so that the other loads of a shared machine
// count less) to open the file as the registry.
double openTime(const std::string& path, std::string* error) {
    portable::useMemoryRegistry();
    timespec start{}, end{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    if (!portable::useRegistryFile(path, error))
        return -1;
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
    return static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
           static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6;
}

long long sizeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

// Opens the two, taking turns, best of five each, and prints the figures.
int compare(const std::string& dirtyPath, const std::string& cleanPath) {
    std::string error;
    double dirty = 1e30, clean = 1e30;
    for (int run = 0; run < 5 && error.empty(); ++run) {
        double time = openTime(dirtyPath, &error);
        if (error.empty() && portable::registryReplayNote().empty())
            error = "the logs were not replayed: " + portable::registryNotice();
        dirty = std::min(dirty, time);
        if (error.empty())
            clean = std::min(clean, openTime(cleanPath, &error));
    }
    if (!error.empty()) {
        std::fprintf(stderr, "hive_replay: %s\n", error.c_str());
        return 2;
    }
    std::printf("hive %lld bytes, logs %lld + %lld bytes\n", sizeOf(dirtyPath),
                sizeOf(dirtyPath + ".LOG1"), sizeOf(dirtyPath + ".LOG2"));
    std::printf("open dirty, logs replayed: %.0f ms; open the same hive clean: %.0f ms "
                "(processor time); ratio %.2f\n",
                dirty, clean, dirty / clean);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--measure")
        return compare(argv[2], argv[3]);
    if (argc != 3) {
        std::fputs("usage: hive_replay DIR MB | hive_replay --measure DIRTY CLEAN\n", stderr);
        return 64;
    }
    std::string dir = argv[1], error;
    if (!make(dir, std::strtoul(argv[2], nullptr, 10), &error)) {
        std::fprintf(stderr, "hive_replay: %s\n", error.c_str());
        return 2;
    }
    return compare(dir + "/SYSTEM", dir + "/CLEAN");
}
