// regfile_scale: the registry file store at scale, one measurement per process so that the peak
// memory is that of one load and one save.
//
//   regfile_scale make SHAPE COUNT PATH   writes a registry file of that shape:
//       values  COUNT values in one key
//       keys    COUNT keys of one value each
//       mixed   the service and COUNT other values, a hundred to a key
//   regfile_scale measure PATH            loads it, changes one value and saves, and prints the
//                                         file's size, the load and save times, and the peak
//                                         memory above what the process used before the load
#include "synthetic_registry.h"
#include "platform/portable/portable.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// The process's peak resident memory so far, in MB.
double peakMegabytes() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1e3;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string shapedRegistry(const std::string& shape, size_t count) {
    if (shape == "mixed")
        return syntheticRegistry(count);
    std::string text = "REGEDIT4\r\n\r\n";
    if (shape == "values")
        text += "[HKEY_LOCAL_MACHINE\\Software\\Bench\\Many]\r\n";
    for (size_t i = 0; i < count; ++i) {
        if (shape == "keys")
            text += "\r\n[HKEY_LOCAL_MACHINE\\Software\\Bench\\Key" + std::to_string(i) + "]\r\n";
        text += syntheticValue(i);
    }
    return text;
}

int make(const std::string& shape, size_t count, const std::string& path) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << shapedRegistry(shape, count);
    return 0;
}

int measure(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        std::perror(path.c_str());
        return 2;
    }
    const double before = peakMegabytes();
    auto start = std::chrono::steady_clock::now();
    std::string error;
    if (!portable::useRegistryFile(path, &error)) {
        std::fprintf(stderr, "regfile_scale: %s\n", error.c_str());
        return 2;
    }
    const double load = secondsSince(start);
    const double afterLoad = peakMegabytes() - before;

    start = std::chrono::steady_clock::now();
    HKEY key = nullptr;
    DWORD counter = 1;
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Bench\\Changed", &key) != ERROR_SUCCESS ||
        RegSetValueExA(key, "Counter", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&counter),
                       sizeof counter) != ERROR_SUCCESS ||
        RegFlushKey(key) != ERROR_SUCCESS) {
        std::fprintf(stderr, "regfile_scale: the save failed\n");
        return 1;
    }
    RegCloseKey(key);
    const double save = secondsSince(start);
    const double afterSave = peakMegabytes() - before;
    const double megabytes = static_cast<double>(st.st_size) / 1e6;
    std::printf("%.1f MB  load %.2f s  peak %.0f MB (%.2fx)  save %.2f s  peak %.0f MB (%.2fx)\n",
                megabytes, load, afterLoad, afterLoad / megabytes, save, afterSave,
                afterSave / megabytes);
    portable::useMemoryRegistry();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "make") == 0)
        return make(argv[2], std::strtoul(argv[3], nullptr, 10), argv[4]);
    if (argc == 3 && std::strcmp(argv[1], "measure") == 0)
        return measure(argv[2]);
    std::fprintf(stderr, "usage: regfile_scale make values|keys|mixed COUNT PATH\n"
                         "       regfile_scale measure PATH\n");
    return 64;
}
