// A whole call (open, load, visit all eight properties, Defaults, OK with save) with the
// registry in memory, and in a registry file holding more and more other values.
#include "whole_call.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

namespace {

WholeCall& loadedCall(benchmark::State& state) {
    static WholeCall call;
    static bool loaded = false;
    std::string error;
    if (!loaded && !(loaded = call.load(&error)))
        state.SkipWithError(error.c_str());
    return call;
}

void runCalls(benchmark::State& state, WholeCall& call) {
    for (auto _ : state) {
        std::string word = call.run();
        if (word != "OK") {
            state.SkipWithError(("the call ended with " + word).c_str());
            break;
        }
    }
}

void BM_WholeCallMemoryStore(benchmark::State& state) {
    WholeCall& call = loadedCall(state);
    call.useMemoryStore();
    runCalls(state, call);
}
BENCHMARK(BM_WholeCallMemoryStore)->Unit(benchmark::kMicrosecond);

void BM_WholeCallFileStore(benchmark::State& state) {
    WholeCall& call = loadedCall(state);
    std::string path = "quorlan-bench-" + std::to_string(getpid()) + ".reg";
    std::string error;
    if (!call.useFileStore(path, static_cast<size_t>(state.range(0)), &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    runCalls(state, call);
    call.useMemoryStore();
    std::remove(path.c_str());
    state.counters["other values"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_WholeCallFileStore)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace
