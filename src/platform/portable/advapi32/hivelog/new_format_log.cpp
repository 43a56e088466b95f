#include "platform/portable/advapi32/hivelog/new_format_log.h"

#include "platform/portable/advapi32/hivelog/base_block.h"
#include "platform/portable/advapi32/hivelog/le_bytes.h"
#include "platform/portable/advapi32/hivelog/marvin32.h"

namespace portable::hivelog {

namespace {

constexpr size_t kEntryHeaderSize = 40;
constexpr size_t kHashedHeaderSize = 32; // the header up to and with the first hash
constexpr size_t kPageReferenceSize = 8;
constexpr uint32_t kLockedByTransactions = 1; // the one base block flag an entry keeps

// Why the entry at `at` cannot be taken, or "" when it can (*entry then filled in).
std::string checkEntry(std::string_view log, size_t at, LogEntry* entry) {
    if (!fits(log.size(), at, kEntryHeaderSize) || log.substr(at, 4) != "HvLE")
        return "no entry";
    entry->offset = at;
    entry->size = le32(log, at + 4);
    entry->flags = le32(log, at + 8);
    entry->sequence = le32(log, at + 12);
    entry->hiveBinsSize = le32(log, at + 16);
    entry->pageCount = le32(log, at + 20);
    if (entry->size < kEntryHeaderSize || entry->size % kSectorSize != 0 ||
        !fits(log.size(), at, entry->size))
        return "its size does not fit the log (cut short?)";
    std::string_view whole = log.substr(at, entry->size);
    if (marvin32(whole.substr(kEntryHeaderSize), kLogEntrySeed) != le64(whole, 24) ||
        marvin32(whole.substr(0, kHashedHeaderSize), kLogEntrySeed) != le64(whole, 32))
        return "its hash is wrong";
    if (entry->hiveBinsSize == 0 || entry->hiveBinsSize % kBinUnit != 0 ||
        entry->hiveBinsSize > kLargestHiveBins)
        return "its hive bins size is not a whole number of 4096-byte bins up to 1 GiB";
    size_t references = kEntryHeaderSize;
    if ((entry->size - references) / kPageReferenceSize < entry->pageCount)
        return "its pages do not fit it";
    size_t data = references + size_t(entry->pageCount) * kPageReferenceSize;
    for (uint32_t page = 0; page < entry->pageCount; ++page) {
        uint32_t offset = le32(whole, references + page * kPageReferenceSize);
        uint32_t length = le32(whole, references + page * kPageReferenceSize + 4);
        if (!fits(whole.size(), data, length) || !fits(entry->hiveBinsSize, offset, length))
            return "its pages do not fit it or the hive";
        data += length;
    }
    return std::string();
}

} // namespace

LogEntries readLogEntries(std::string_view log) {
    LogEntries found;
    size_t at = kSectorSize;
    for (;;) {
        LogEntry entry;
        std::string problem = checkEntry(log, at, &entry);
        if (!problem.empty()) {
            if (problem != "no entry")
                found.stop = "the entry at byte " + std::to_string(at) + ": " + problem;
            return found;
        }
        found.entries.push_back(entry);
        at += entry.size;
    }
}

void applyLogEntry(std::string_view log, const LogEntry& entry, std::string* hive) {
    size_t length = kBaseBlockSize + entry.hiveBinsSize;
    if (hive->size() < length)
        hive->resize(length, '\0');
    putLe32(hive, kHiveBinsSizeOffset, entry.hiveBinsSize);
    uint32_t flags = le32(*hive, kFlagsOffset) & ~kLockedByTransactions;
    putLe32(hive, kFlagsOffset, flags | (entry.flags & kLockedByTransactions));
    std::string_view whole = log.substr(entry.offset, entry.size);
    size_t data = kEntryHeaderSize + size_t(entry.pageCount) * kPageReferenceSize;
    for (uint32_t page = 0; page < entry.pageCount; ++page) {
        uint32_t offset = le32(whole, kEntryHeaderSize + page * kPageReferenceSize);
        uint32_t size = le32(whole, kEntryHeaderSize + page * kPageReferenceSize + 4);
        hive->replace(kBaseBlockSize + offset, size, whole.data() + data, size);
        data += size;
    }
}

} // namespace portable::hivelog
