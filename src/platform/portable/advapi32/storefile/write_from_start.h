// Writing a file's bytes through a descriptor, as every file the registry makes is written.
#pragma once

#include <string_view>

namespace portable::storefile {

// Writes bytes over the start of the file open as fd, whatever the descriptor's offset, going on
// after interrupted and short writes; false with errno set (EIO for a write that wrote nothing).
bool writeFromStart(int fd, std::string_view bytes);

} // namespace portable::storefile
