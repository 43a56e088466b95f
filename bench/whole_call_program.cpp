// whole_call: makes whole calls one after another so that one of them can be measured on its
// own: the instructions of measuredCall under callgrind, or the system calls between the lines
// "call begins" and "call ends" it writes to stderr under strace. The first call warms up what
// a process makes once; the second is the one measured.
//
// usage: whole_call [--file PATH --others N]   (the registry file, made with N other values)
#include "whole_call.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

__attribute__((noinline)) std::string measuredCall(WholeCall& call) {
    return call.run();
}

} // namespace

int main(int argc, char** argv) {
    std::string file;
    size_t others = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string option = argv[i];
        if (option == "--file")
            file = argv[i + 1];
        else if (option == "--others")
            others = std::strtoul(argv[i + 1], nullptr, 10);
    }
    WholeCall call;
    std::string error;
    if (!call.load(&error) || (!file.empty() && !call.useFileStore(file, others, &error))) {
        std::fprintf(stderr, "whole_call: %s\n", error.c_str());
        return 2;
    }
    if (file.empty())
        call.useMemoryStore();
    std::string warmUp = call.run();
    std::fputs("call begins\n", stderr);
    std::string word = measuredCall(call);
    std::fputs("call ends\n", stderr);
    std::printf("%s %s\n", warmUp.c_str(), word.c_str());
    return warmUp == "OK" && word == "OK" ? 0 : 1;
}
