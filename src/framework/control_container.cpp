#include "framework/control_container.h"

namespace {
bool enabled = false;
} // namespace

void AfxEnableControlContainer() {
    enabled = true;
}

bool AfxControlContainerEnabled() {
    return enabled;
}
