#include "params/text_compare.h"

namespace {
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

bool equalsIgnoreCase(const char* a, const char* b) {
    if (a == nullptr || b == nullptr)
        return a == b;
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (lower(*a) != lower(*b))
            return false;
    }
    return *a == *b;
}
