#include "platform/portable/advapi32/hivelog/old_format_log.h"

#include "platform/portable/advapi32/hivelog/base_block.h"
#include "platform/portable/advapi32/hivelog/le_bytes.h"

#include <vector>

namespace portable::hivelog {

namespace {

constexpr size_t kPageSize = 512;
constexpr size_t kBinHeaderSize = 32;

size_t roundUpToSector(size_t size) {
    return (size + kSectorSize - 1) / kSectorSize * kSectorSize;
}

// Where each dirty page's copy lies in the log, by page of the hive bins (npos: clean).
struct DirtyPages {
    std::vector<size_t> copyAt;
    uint32_t count = 0;
};

bool readDirtyVector(std::string_view log, uint32_t hiveBinsSize, DirtyPages* pages,
                     std::string* problem) {
    size_t pageCount = hiveBinsSize / kPageSize;
    size_t bitmapBytes = (pageCount + 7) / 8;
    if (!fits(log.size(), kSectorSize, 4 + bitmapBytes) || log.substr(kSectorSize, 4) != "DIRT") {
        *problem = "its dirty vector is missing or cut short";
        return false;
    }
    auto bitmap = reinterpret_cast<const unsigned char*>(log.data() + kSectorSize + 4);
    size_t next = kSectorSize + roundUpToSector(4 + bitmapBytes);
    pages->copyAt.assign(pageCount, std::string_view::npos);
    for (size_t page = 0; page < pageCount; ++page) {
        if (!(bitmap[page / 8] >> (page % 8) & 1))
            continue;
        if (!fits(log.size(), next, kPageSize)) {
            *problem = "its dirty pages are cut short";
            return false;
        }
        pages->copyAt[page] = next;
        next += kPageSize;
        ++pages->count;
    }
    return true;
}

// The size of the valid bin that starts `at` in the hive bins, or 0.
uint32_t binSizeAt(std::string_view hive, size_t at, uint32_t hiveBinsSize) {
    size_t header = kBaseBlockSize + at;
    if (!fits(hive.size(), header, kBinHeaderSize) || hive.substr(header, 4) != "hbin" ||
        le32(hive, header + 4) != at)
        return 0;
    uint32_t size = le32(hive, header + 8);
    bool fitsHive = size >= kBinUnit && size % kBinUnit == 0 && fits(hiveBinsSize, at, size);
    return fitsHive ? size : 0;
}

} // namespace

OldLogResult applyOldFormatLog(std::string_view log, std::string* hive) {
    OldLogResult result;
    uint32_t hiveBinsSize = readBaseBlock(log).hiveBinsSize;
    DirtyPages pages;
    if (!readDirtyVector(log, hiveBinsSize, &pages, &result.problem))
        return result;
    result.pagesDirty = pages.count;
    if (hive->size() < kBaseBlockSize + hiveBinsSize)
        hive->resize(kBaseBlockSize + hiveBinsSize, '\0');
    putLe32(hive, kHiveBinsSizeOffset, hiveBinsSize);
    // Bin by bin: a dirty bin is checked as the log gives it, with its own header.
    size_t bin = 0;
    while (bin < hiveBinsSize && result.pagesApplied < pages.count) {
        size_t first = bin / kPageSize;
        std::string header = hive->substr(kBaseBlockSize + bin, kPageSize);
        if (pages.copyAt[first] != std::string_view::npos)
            hive->replace(kBaseBlockSize + bin, kPageSize, log.data() + pages.copyAt[first],
                          kPageSize);
        uint32_t size = binSizeAt(*hive, bin, hiveBinsSize);
        if (size == 0) {
            hive->replace(kBaseBlockSize + bin, kPageSize, header);
            result.problem = "the hive bin at offset " + std::to_string(bin) +
                             " is not a valid bin after its pages are applied";
            return result;
        }
        for (size_t page = first; page < (bin + size) / kPageSize; ++page) {
            if (pages.copyAt[page] == std::string_view::npos)
                continue;
            hive->replace(kBaseBlockSize + page * kPageSize, kPageSize,
                          log.data() + pages.copyAt[page], kPageSize);
            ++result.pagesApplied;
        }
        bin += size;
    }
    return result;
}

} // namespace portable::hivelog
