// Transaction logs for test hives, laid out as Windows writes them: a copy of the hive's base
// block, then log entries (new format) or a dirty vector and dirty pages (old format). A
// log carries the hive bins of a later state of the hive, made with hivex (changedHive).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

// The hive at path, changed through hivex in a copy: Select\<name> set to the DWORD `number`,
// and a binary value of `padding` bytes beside it (0: none), which grows the hive.
std::string changedHive(const std::string& path, const char* name, uint32_t number, size_t padding);

// The hive bins of a hive's bytes, as many as its base block counts.
std::string hiveBinsOf(const std::string& hive);

struct TestLogEntry {
    uint32_t sequence;
    std::string bins;      // the whole hive bins after the entry, or the page at pageOffset
    bool tornPage = false; // a page byte changed after hashing, as a torn write leaves it
    uint32_t pageOffset = 0;
    uint32_t hiveBinsSize = 0; // 0: pageOffset + the page's size
};

// A new-format log (file type 6) for the hive: its base block's sequence numbers are the first
// entry's, then the entries in the given order.
std::string newFormatLog(const std::string& hive, const std::vector<TestLogEntry>& entries);

// An old-format log (file type 1) for the dirty hive, marking dirty every 4096-byte block of
// `bins` that differs from the hive's own; its sequence numbers are the hive's primary one.
std::string oldFormatLog(const std::string& hive, const std::string& bins);

// Leaves the hive at `after` as a crash after its last flush leaves it: the bytes of `before`
// (the same hive earlier) marked dirty, and what changed since in after.LOG1 and after.LOG2,
// entries of up to chunkSize bytes taking turns between the two logs. False with *error set
// when nothing changed or a file cannot be written.
bool crashBetween(const std::string& before, const std::string& after, size_t chunkSize,
                  std::string* error);

} // namespace test_support
