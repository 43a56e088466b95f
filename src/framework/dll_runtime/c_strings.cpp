// The C memory and string functions the product calls or the compiler emits, as plain loops.
// This file is compiled without the optimisation that turns such loops back into these calls.
#include <cstddef>

extern "C" {

void* memcpy(void* to, const void* from, size_t size) {
    auto* out = static_cast<unsigned char*>(to);
    const auto* in = static_cast<const unsigned char*>(from);
    while (size-- != 0)
        *out++ = *in++;
    return to;
}

void* memmove(void* to, const void* from, size_t size) {
    auto* out = static_cast<unsigned char*>(to);
    const auto* in = static_cast<const unsigned char*>(from);
    if (out <= in || out >= in + size)
        return memcpy(to, from, size);
    while (size-- != 0)
        out[size] = in[size];
    return to;
}

void* memset(void* to, int value, size_t size) {
    auto* out = static_cast<unsigned char*>(to);
    while (size-- != 0)
        *out++ = static_cast<unsigned char>(value);
    return to;
}

int memcmp(const void* left, const void* right, size_t size) {
    const auto* a = static_cast<const unsigned char*>(left);
    const auto* b = static_cast<const unsigned char*>(right);
    for (; size != 0; --size, ++a, ++b) {
        if (*a != *b)
            return *a < *b ? -1 : 1;
    }
    return 0;
}

void* memchr(const void* block, int value, size_t size) {
    const auto* at = static_cast<const unsigned char*>(block);
    for (; size != 0; --size, ++at) {
        if (*at == static_cast<unsigned char>(value))
            return const_cast<unsigned char*>(at);
    }
    return nullptr;
}

size_t strlen(const char* text) {
    const char* end = text;
    while (*end != '\0')
        ++end;
    return static_cast<size_t>(end - text);
}

size_t strnlen(const char* text, size_t limit) {
    size_t length = 0;
    while (length < limit && text[length] != '\0')
        ++length;
    return length;
}

int strcmp(const char* left, const char* right) {
    const auto* a = reinterpret_cast<const unsigned char*>(left);
    const auto* b = reinterpret_cast<const unsigned char*>(right);
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a < *b ? -1 : (*a > *b ? 1 : 0);
}

char* strrchr(const char* text, int character) {
    const char* found = nullptr;
    for (;; ++text) {
        if (*text == static_cast<char>(character))
            found = text;
        if (*text == '\0')
            return const_cast<char*>(found);
    }
}

} // extern "C"
