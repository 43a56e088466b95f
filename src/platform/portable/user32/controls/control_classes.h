// The predefined control classes of the window system.
#pragma once

namespace portable {

// Registers Button, Edit, Static, ListBox, ComboBox and msctls_updown32 (once).
void registerControlClasses();

} // namespace portable
