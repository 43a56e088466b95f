#include "synthetic_registry.h"

#include <cstdio>
#include <fstream>

const char kBenchService[] = "Veloxa";

namespace {

const size_t kValuesPerKey = 100;

const char kService[] = "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Veloxa]\n"
                        "\"Type\"=dword:00000001\n"
                        "\"ImagePath\"=\"system32\\\\drivers\\\\veloxa.sys\"\n\n"
                        "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Veloxa\\"
                        "Parameters]\n"
                        "\"NetworkAddress\"=\"0002B3A1C4F7\"\n"
                        "\"VLANID\"=\"12\"\n"
                        "\"FlowControl\"=\"3\"\n"
                        "\"NcBit\"=\"1\"\n"
                        "\"NetworkMedia\"=\"8\"\n"
                        "\"JumboFrame\"=\"1514\"\n"
                        "\"RxQueueSz\"=\"256\"\n"
                        "\"PriQ\"=\"0\"\n\n";

} // namespace

std::string syntheticValue(size_t i) {
    char line[160];
    switch (i % 4) {
    case 0:
        std::snprintf(line, sizeof line, "\"Text%zu\"=\"value number %zu\"\n", i, i);
        break;
    case 1:
        std::snprintf(line, sizeof line, "\"Number%zu\"=dword:%08zx\n", i, i);
        break;
    case 2:
        std::snprintf(line, sizeof line, "\"Bytes%zu\"=hex:%02zx,%02zx,00,ff,10,20,30,40\n", i,
                      i & 0xFF, (i >> 8) & 0xFF);
        break;
    default:
        std::snprintf(line, sizeof line,
                      "\"Path%zu\"=hex(2):25,00,53,00,79,00,73,00,74,00,65,00,6d,00,25,00,00,00\n",
                      i);
        break;
    }
    return line;
}

std::string syntheticRegistry(size_t otherValues) {
    std::string text = "REGEDIT4\n\n";
    text += kService;
    for (size_t i = 0; i < otherValues; ++i) {
        if (i % kValuesPerKey == 0) {
            char section[96];
            std::snprintf(section, sizeof section,
                          "%s[HKEY_LOCAL_MACHINE\\Software\\Bench\\Key%zu]\n", i == 0 ? "" : "\n",
                          i / kValuesPerKey);
            text += section;
        }
        text += syntheticValue(i);
    }
    return text;
}

bool writeSyntheticRegistry(const std::string& path, size_t otherValues) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << syntheticRegistry(otherValues);
    return static_cast<bool>(file.flush());
}
