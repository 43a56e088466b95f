// Which editor a property uses. The numbers are the stored representation of the kind.
#pragma once

#include <cstdint>

enum class ValueKind : int32_t {
    kNone = 0, // nothing selected yet
    kText = 2,
    kList = 4,
    kNumber = 8,
};
