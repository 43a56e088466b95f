// A file's extended attributes carried onto the file that replaces it: its POSIX ACLs (the
// system.posix_acl_* attributes), its security labels (security.*), and the user.* and trusted.*
// attributes this process may see. Without them a replacing save would take away what the ACL
// granted, and the file's label.
#pragma once

#include <string>

namespace portable::storefile {

// Gives the file open as `to` exactly the extended attributes of the file open as `from`: each of
// them set, and any other that `to` has removed (such as an ACL inherited from the folder).
// False when one cannot be carried over (a label this user may not give), with *error naming
// it, starting with ": ".
bool copyExtendedAttributes(int from, int to, std::string* error);

} // namespace portable::storefile
