// A transaction log of the new format (file type 6, Windows 8.1 on): after the copy of the
// base block, log entries ("HvLE"), each the pages of one flush with its sequence number, the
// size the hive bins had then, and two Marvin32 hashes that vouch for it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace portable::hivelog {

struct LogEntry {
    size_t offset = 0; // in the log
    uint32_t size = 0;
    uint32_t flags = 0;
    uint32_t sequence = 0;
    uint32_t hiveBinsSize = 0;
    uint32_t pageCount = 0;
};

struct LogEntries {
    std::vector<LogEntry> entries; // in the order they lie in the log
    std::string stop; // why the entry after the last is not taken ("" at the end of the log)
};

// The entries of a log, up to the first that fails its checks: its signature, a size that
// fits the log, both hashes, a hive bins size of whole 4096-byte units, and pages that lie
// inside the entry and inside those hive bins. Entries after a bad one are never taken.
LogEntries readLogEntries(std::string_view log);

// Writes an entry's pages into the hive, grown first to the entry's hive bins, whose size and
// the flag the entry keeps go to the base block.
void applyLogEntry(std::string_view log, const LogEntry& entry, std::string* hive);

} // namespace portable::hivelog
