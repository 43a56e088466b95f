#include "platform/portable/kernel32/kernel32_state.h"

namespace portable {

Kernel32State kernel32;

} // namespace portable
