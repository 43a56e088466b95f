// Which registry the interchange program works on: the portable build keeps it in the registry
// file named on the command line; on Windows it is the real registry and no file is named.
#pragma once

#include <string>
#include <vector>

namespace interchange {

// The usage line's words after the command ("FILE.reg" or nothing).
const char* storeArguments();

// Chooses the registry from the arguments after the command; false with *error when they do not
// fit this platform or the file is refused.
bool chooseStore(const std::vector<std::string>& arguments, std::string* error);

} // namespace interchange
