// repeat_calls: plays scenario files round after round in one process, each one call of the
// module's entry point, until it has made the number of calls asked for. Every call must pass
// its scenario, and what the process holds after the last round must be what it held after the
// first, but for tables and caches reaching their size, and no more than at half way.
#include "host_module.h"
#include "resource_meter.h"
#include "scenario/language/scenario_parser.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Options {
    long calls = 0;
    std::vector<std::string> files;
};

bool parseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--calls" && i + 1 < argc)
            options->calls = std::strtol(argv[++i], nullptr, 10);
        else
            options->files.push_back(arg);
    }
    return options->calls > 0 && !options->files.empty();
}

// Plays every scenario once; false after printing the first one that fails.
bool playRound(scenario::ScenarioRunner& runner, const std::vector<scenario::Scenario>& scenarios,
               long* calls) {
    for (const scenario::Scenario& one : scenarios) {
        std::string difference = runner.runOne(one);
        ++*calls;
        if (!difference.empty()) {
            std::printf("call %ld: FAIL %s: %s\n", *calls, one.name.c_str(), difference.c_str());
            return false;
        }
    }
    return true;
}

// Prints each figure after the first round, at half way and at the end; false when one grew
// beyond what it may.
bool compare(const ResourceReading& first, const ResourceReading& middle,
             const ResourceReading& last) {
    bool kept = true;
    std::printf("%-20s %12s %12s %12s\n", "", "first round", "half way", "last round");
    for (size_t i = 0; i < first.count; ++i) {
        const ResourceFigure& figure = first.figures[i];
        long long half = middle.figures[i].value;
        long long end = last.figures[i].value;
        bool ok = end - figure.value <= figure.warmUp && end - half <= figure.steady;
        std::printf("%-20s %12lld %12lld %12lld%s\n", figure.name, figure.value, half, end,
                    ok ? "" : "  GREW");
        kept = kept && ok;
    }
    return kept;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, &options)) {
        std::fputs("usage: repeat_calls --calls N SCENARIO...\n", stderr);
        return 64;
    }
    std::vector<scenario::Scenario> scenarios(options.files.size());
    std::string error;
    for (size_t i = 0; i < options.files.size(); ++i) {
        if (!scenario::loadScenario(options.files[i], &scenarios[i], &error)) {
            std::fprintf(stderr, "repeat_calls: %s\n", error.c_str());
            return 64;
        }
    }
    scenario::RunnerSettings settings;
    if (!loadHostModule(&settings, &error)) {
        std::fprintf(stderr, "repeat_calls: %s\n", error.c_str());
        return 2;
    }
    scenario::ScenarioRunner runner(settings);
    long calls = 0;
    if (!playRound(runner, scenarios, &calls))
        return 1;
    // Nothing is printed until the last reading: the first output allocates stdout's buffer.
    const ResourceReading first = readResources();
    ResourceReading middle = first;
    bool halfWay = false;
    while (calls < options.calls) {
        if (!playRound(runner, scenarios, &calls))
            return 1;
        if (!halfWay && calls >= options.calls / 2) {
            middle = readResources();
            halfWay = true;
        }
    }
    const ResourceReading last = readResources();
    std::printf("%ld calls of %zu scenarios\n", calls, scenarios.size());
    bool kept = compare(first, middle, last);
    std::fflush(stdout);
    return kept ? 0 : 1;
}
