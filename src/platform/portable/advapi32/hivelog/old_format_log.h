// A transaction log of the old format (file types 1 and 2, before Windows 8.1): after the copy
// of the base block, a dirty vector ("DIRT", one bit per 512-byte page of the hive bins) and the
// dirty pages, in the order of their bits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace portable::hivelog {

struct OldLogResult {
    uint32_t pagesApplied = 0;
    uint32_t pagesDirty = 0; // set in the vector
    std::string problem;     // why the log cannot be used at all, or why it stopped early
    bool usable() const { return pagesApplied > 0; }
};

// Writes the log's dirty pages into the hive (grown to the log's hive bins), bin by bin in the
// order of the bins; a dirty bin that is not a valid bin at its place stops there, the bins
// before it standing. A log whose vector or pages are cut short is not used at all.
OldLogResult applyOldFormatLog(std::string_view log, std::string* hive);

} // namespace portable::hivelog
