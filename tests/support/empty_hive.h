// The smallest registry hive Windows would load, written byte by byte from the published layout
// of the format: a 4 KiB base block (signature "regf", sequence numbers, version 1.3, the root
// cell's offset, the size of the bins, a checksum over its first 508 bytes), then one 4 KiB bin
// ("hbin") holding the root key ("nk"), its security cell ("sk") and one free cell.
#pragma once

#include <string>

namespace test_support {

// The bytes of an empty hive whose root key is called rootName.
std::string emptyHive(const std::string& rootName);

} // namespace test_support
