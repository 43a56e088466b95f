#include "entry_point_call.h"

#include <vector>

namespace scenario {

CallResult callEntryPoint(EntryPoint entry, const std::string& service) {
    // The callee may keep or alter argv[0]: hand it a writable copy that outlives the call.
    std::vector<char> name(service.begin(), service.end());
    name.push_back('\0');
    LPSTR argv[] = {name.data(), nullptr};
    LPSTR text = nullptr;
    CallResult result;
    result.returned = entry(1, argv, &text);
    if (text != nullptr) {
        result.word = text;
    }
    return result;
}

int exitStatusFor(const std::string& word) {
    if (word == "OK") {
        return 0;
    }
    return word == "Cancel" ? 1 : 2;
}

} // namespace scenario
