#include "platform/portable/user32/user32_state.h"

namespace portable {

User32State user32;

} // namespace portable
