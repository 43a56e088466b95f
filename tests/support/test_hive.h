// SYSTEM hives for tests and benchmarks, made from nothing: an empty hive (empty_hive.h) extended
// through hivex with what Windows keeps in one: Select, and two control sets with their Control
// and Services keys, so that a test sees which one a program changed.
#pragma once

#include <cstddef>
#include <string>

namespace test_support {

struct TestHiveOptions {
    unsigned current = 1;   // Select\Current; 0: the hive has no Select key
    bool dirty = false;     // the base block's sequence numbers differ, as after a crash
    size_t sizeAtLeast = 0; // grown with services of other drivers to at least this many bytes
};

// False with *error set when the hive cannot be made.
bool writeTestHive(const std::string& path, const TestHiveOptions& options, std::string* error);

// Makes the base block's sequence numbers of the hive at path differ, its checksum kept right,
// as a crash leaves them.
bool markHiveDirty(const std::string& path);

} // namespace test_support
