// The C heap functions and the C++ deletion the product calls, over the process heap (Windows
// NT 3.1 and later).
#include "platform/win32.h"

#include <cstddef>

extern "C" {

void* malloc(size_t size) {
    return ::HeapAlloc(::GetProcessHeap(), 0, size != 0 ? size : 1);
}

void* calloc(size_t count, size_t size) {
    if (size != 0 && count > static_cast<size_t>(-1) / size)
        return nullptr;
    size_t total = count * size;
    return ::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, total != 0 ? total : 1);
}

void free(void* block) {
    if (block != nullptr)
        ::HeapFree(::GetProcessHeap(), 0, block);
}

// As C says: no block yet is malloc, a size of zero frees; on failure the block stays as it was.
void* realloc(void* block, size_t size) {
    if (block == nullptr)
        return malloc(size);
    if (size == 0) {
        free(block);
        return nullptr;
    }
    return ::HeapReAlloc(::GetProcessHeap(), 0, block, size);
}

} // extern "C"

void operator delete(void* block) noexcept {
    free(block);
}

void operator delete(void* block, size_t) noexcept {
    free(block);
}
