// Construction and destruction of the DLL's static objects. The linker lays the constructors
// out between __CTOR_LIST__ (a count, or -1) and a null entry, and the compiler registers each
// object's destructor with atexit as the object is constructed.
#include "framework/dll_runtime/dll_runtime.h"

#include <cstddef>
#include <cstdlib>

using StaticFunction = void (*)();

extern "C" {
extern StaticFunction __CTOR_LIST__[];
extern StaticFunction __DTOR_LIST__[];

int atexit(StaticFunction function);
}

namespace {

// Registered functions, on the process heap; the table doubles as it fills.
StaticFunction* exitList = nullptr;
size_t exitCount = 0;
size_t exitCapacity = 0;
// The loader follows a refused attach with a detach: the objects go once.
bool constructed = false;

} // namespace

int atexit(StaticFunction function) {
    if (exitCount == exitCapacity) {
        size_t capacity = exitCapacity != 0 ? exitCapacity * 2 : 16;
        void* grown = std::realloc(exitList, capacity * sizeof(StaticFunction));
        if (grown == nullptr)
            return -1;
        exitList = static_cast<StaticFunction*>(grown);
        exitCapacity = capacity;
    }
    exitList[exitCount++] = function;
    return 0;
}

// Like the compiler's own start-up: the list is run from its end, its last entry first.
void AfxConstructStaticObjects() {
    if (constructed)
        return;
    constructed = true;
    size_t count = reinterpret_cast<size_t>(__CTOR_LIST__[0]);
    if (count == static_cast<size_t>(-1)) {
        count = 0;
        while (__CTOR_LIST__[count + 1] != nullptr)
            ++count;
    }
    for (size_t i = count; i >= 1; --i)
        __CTOR_LIST__[i]();
}

void AfxDestroyStaticObjects() {
    if (!constructed)
        return;
    constructed = false;
    while (exitCount != 0)
        exitList[--exitCount]();
    std::free(exitList);
    exitList = nullptr;
    exitCapacity = 0;
    for (size_t i = 1; __DTOR_LIST__[i] != nullptr; ++i)
        __DTOR_LIST__[i]();
}
