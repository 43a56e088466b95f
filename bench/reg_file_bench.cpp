// The registry file of 10,000 values besides the service: read from its text, written back to
// text, and a change saved by the file store (whole file, flushed and renamed into place).
#include "synthetic_registry.h"
#include "platform/portable/portable.h"
#include "platform/portable/advapi32/reg_file_reader.h"
#include "platform/portable/advapi32/reg_file_writer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

namespace {

using portable::registry::RegFileReader;
using portable::registry::RegFileWriter;
using portable::registry::RegistryTree;

const size_t kValues = 10000;

void BM_ParseRegFile(benchmark::State& state) {
    const std::string text = syntheticRegistry(kValues);
    for (auto _ : state) {
        RegistryTree tree;
        RegFileReader reader;
        if (!reader.read(text, &tree)) {
            state.SkipWithError(reader.errorMessage().c_str());
            break;
        }
        benchmark::DoNotOptimize(&tree);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseRegFile)->Unit(benchmark::kMillisecond);

void BM_WriteRegFile(benchmark::State& state) {
    RegistryTree tree;
    RegFileReader().read(syntheticRegistry(kValues), &tree);
    size_t bytes = 0;
    for (auto _ : state) {
        std::string text = RegFileWriter().write(tree);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteRegFile)->Unit(benchmark::kMillisecond);

// One value changed and flushed: the store writes the whole file and renames it into place.
void BM_FileStoreSave(benchmark::State& state) {
    const std::string path = "quorlan-bench-save-" + std::to_string(getpid()) + ".reg";
    std::string error;
    if (!writeSyntheticRegistry(path, kValues) || !portable::useRegistryFile(path, &error)) {
        state.SkipWithError(("cannot use " + path + " " + error).c_str());
        return;
    }
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Bench\\Key0", 0, KEY_ALL_ACCESS, &key);
    DWORD counter = 0;
    for (auto _ : state) {
        ++counter;
        RegSetValueExA(key, "Counter", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&counter),
                       sizeof counter);
        if (RegFlushKey(key) != ERROR_SUCCESS) {
            state.SkipWithError("the save failed");
            break;
        }
    }
    RegCloseKey(key);
    portable::useMemoryRegistry();
    std::remove(path.c_str());
}
BENCHMARK(BM_FileStoreSave)->Unit(benchmark::kMillisecond);

} // namespace
