// Which editor a property uses. The numbers are the stored representation of the kind.
#pragma once

#include <cstdint>

enum class ValueKind : int32_t {
    None = 0, // nothing selected yet
    Text = 2,
    List = 4,
    Number = 8,
};
