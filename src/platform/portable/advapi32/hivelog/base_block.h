// The base block that opens a hive (4096 bytes) and, as a copy of its first sector, each of its
// logs (512 bytes): the fields that say whether the hive is up to date and which log fits it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace portable::hivelog {

constexpr size_t kBaseBlockSize = 4096; // in a hive; the hive bins follow it
constexpr size_t kSectorSize = 512;     // a log's copy of the base block; its unit of layout
constexpr size_t kBinUnit = 4096;       // hive bins are whole multiples of this

// Larger than any hive a store may be (storefile::kLargestStoreFile): a log that claims more
// is not believed, rather than followed into memory.
constexpr uint32_t kLargestHiveBins = (1u << 30) - kBaseBlockSize;

enum class FileType : uint32_t { Primary = 0, OldLog = 1, OldLogOfWindows2000 = 2, NewLog = 6 };

struct BaseBlock {
    bool signature = false;         // starts with "regf"
    bool checksumRight = false;     // the XOR of its first 508 bytes matches the stored one
    uint32_t primarySequence = 0;   // raised when Windows starts writing the hive
    uint32_t secondarySequence = 0; // set equal once the writing is complete
    uint64_t timestamp = 0;         // last written
    uint32_t fileType = 0;
    uint32_t hiveBinsSize = 0; // bytes of hive bins after the base block
    uint32_t flags = 0;

    // Whole and checked: what a log must be to be trusted, and a hive to be read as it is.
    bool valid() const {
        return signature && checksumRight && hiveBinsSize % kBinUnit == 0 &&
               hiveBinsSize <= kLargestHiveBins;
    }
    // A hive that needs its logs: half written, or its base block damaged.
    bool dirty() const { return !valid() || primarySequence != secondarySequence; }
};

// The base block at the start of bytes (a hive or a log); a block that is cut short is
// neither signed nor checked.
BaseBlock readBaseBlock(std::string_view bytes);

// The checksum of a base block's first 508 bytes (bytes holds at least that many).
uint32_t baseBlockChecksum(std::string_view bytes);

// Sets the checksum of the base block at the start of bytes to match its fields.
void sealBaseBlock(std::string* bytes);

// Sets both sequence numbers of the hive in bytes and its checksum to match: the hive is clean.
void markClean(std::string* hive, uint32_t sequence);

// Offsets of fields written during a replay.
constexpr size_t kFileTypeOffset = 28;
constexpr size_t kHiveBinsSizeOffset = 40;
constexpr size_t kFlagsOffset = 144;
constexpr size_t kFirstBinTimestampOffset = kBaseBlockSize + 20;

} // namespace portable::hivelog
