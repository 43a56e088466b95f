#include "platform/portable/comctl32/comctl32_state.h"

namespace portable {

Comctl32State comctl32;

} // namespace portable
