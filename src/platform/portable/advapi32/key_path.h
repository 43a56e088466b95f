// Where a key lives: one of the predefined roots and the names of the keys below it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace portable::registry {

// The predefined keys in the order of their handle values (HKEY_CLASSES_ROOT is 0x80000000).
constexpr int kRootCount = 7;
const char* rootName(int root);
// The root a name such as "HKEY_LOCAL_MACHINE" stands for (any case), or -1.
int rootIndex(std::string_view name);

// Calls f(name) for each name of a subkey path "a\\b\\\\c\\": repeated and trailing
// backslashes separate nothing, as on Windows (a leading one is the caller's to refuse).
template <class F> void forEachName(const char* subKey, F f) {
    if (!subKey)
        return;
    const char* p = subKey;
    while (*p) {
        const char* end = p;
        while (*end && *end != '\\')
            ++end;
        f(std::string_view(p, static_cast<size_t>(end - p)));
        while (*end == '\\')
            ++end;
        p = end;
    }
}

struct KeyPath {
    int root = 0;
    std::vector<std::string> names;

    // "HKEY_LOCAL_MACHINE\System\..." as the export format writes it.
    std::string text() const;
};

} // namespace portable::registry
