#include "platform/portable/advapi32/hivelog/base_block.h"

#include "platform/portable/advapi32/hivelog/le_bytes.h"

namespace portable::hivelog {

namespace {

constexpr size_t kChecksumOffset = 508;

} // namespace

uint32_t baseBlockChecksum(std::string_view bytes) {
    uint32_t sum = 0;
    for (size_t at = 0; at < kChecksumOffset; at += 4)
        sum ^= le32(bytes, at);
    if (sum == 0xFFFFFFFFu)
        return 0xFFFFFFFEu;
    return sum == 0 ? 1 : sum;
}

BaseBlock readBaseBlock(std::string_view bytes) {
    BaseBlock block;
    if (bytes.size() < kSectorSize)
        return block;
    block.signature = bytes.substr(0, 4) == "regf";
    block.checksumRight = baseBlockChecksum(bytes) == le32(bytes, kChecksumOffset);
    block.primarySequence = le32(bytes, 4);
    block.secondarySequence = le32(bytes, 8);
    block.timestamp = le64(bytes, 12);
    block.fileType = le32(bytes, kFileTypeOffset);
    block.hiveBinsSize = le32(bytes, kHiveBinsSizeOffset);
    block.flags = le32(bytes, kFlagsOffset);
    return block;
}

void sealBaseBlock(std::string* bytes) {
    putLe32(bytes, kChecksumOffset, baseBlockChecksum(*bytes));
}

void markClean(std::string* hive, uint32_t sequence) {
    putLe32(hive, 4, sequence);
    putLe32(hive, 8, sequence);
    sealBaseBlock(hive);
}

} // namespace portable::hivelog
