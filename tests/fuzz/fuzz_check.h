// A broken invariant ends the fuzzer's run with the reason, so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

inline void fuzzCheck(bool holds, const std::string& what) {
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}

// For checks that describe what is wrong, empty when all is well.
inline void fuzzCheckEmpty(const std::string& problem) {
    fuzzCheck(problem.empty(), problem);
}
