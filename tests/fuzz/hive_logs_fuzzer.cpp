// Any bytes as a hive and its two logs, cut from one input (two lengths and a byte of fix-ups
// first): the replay reads only inside them, gives the same result twice, leaves a hive it does
// not bring up to date as it was, and leaves one it does clean, whole and a hive again.
//
// A mutation rarely keeps a checksum or a hash right, so the fix-ups, as the input asks, make
// them right again in both logs after it (the base block's checksum, each entry's two hashes),
// the sizes of hive bins they claim cut to 16 MiB first, so that the replay's own rules, not
// the checks before them, are what the fuzzer explores (and memory stays bounded).
#include "fuzz_check.h"
#include "platform/portable/advapi32/hivelog/base_block.h"
#include "platform/portable/advapi32/hivelog/hive_recovery.h"
#include "platform/portable/advapi32/hivelog/le_bytes.h"
#include "platform/portable/advapi32/hivelog/marvin32.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace portable::hivelog;

// A length from four bytes of the input, at most what is left.
size_t lengthAt(const uint8_t* data, size_t size, size_t at, size_t left) {
    if (size < at + 4)
        return left;
    uint32_t value = data[at] | data[at + 1] << 8 | data[at + 2] << 16 |
                     static_cast<uint32_t>(data[at + 3]) << 24;
    return value % (left + 1);
}

constexpr uint32_t kFuzzedHiveBins = 16u << 20;

void resealBaseBlock(std::string* log) {
    if (log->size() < kSectorSize)
        return;
    putLe32(log, kHiveBinsSizeOffset, le32(*log, kHiveBinsSizeOffset) % kFuzzedHiveBins);
    sealBaseBlock(log);
}

// Walks the entries as the reader does, making each one's hashes right.
void rehashEntries(std::string* log) {
    for (size_t at = kSectorSize; fits(log->size(), at, 40) && log->compare(at, 4, "HvLE") == 0;) {
        uint32_t size = le32(*log, at + 4);
        if (size < 40 || !fits(log->size(), at, size))
            return;
        putLe32(log, at + 16, le32(*log, at + 16) % kFuzzedHiveBins);
        std::string_view entry = std::string_view(*log).substr(at, size);
        putLe64(log, at + 24, marvin32(entry.substr(40), kLogEntrySeed));
        putLe64(log, at + 32, marvin32(entry.substr(0, 32), kLogEntrySeed));
        at += size;
    }
}

std::vector<HiveLog> logsOf(std::string first, std::string second) {
    std::vector<HiveLog> logs(2);
    logs[0].suffix = logs[0].name = ".LOG1";
    logs[0].bytes = std::move(first);
    logs[1].suffix = logs[1].name = ".LOG2";
    logs[1].bytes = std::move(second);
    return logs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string rest(reinterpret_cast<const char*>(data), size);
    rest.erase(0, 9);
    const uint8_t fixUps = size > 8 ? data[8] : 0;
    size_t hiveLength = lengthAt(data, size, 0, rest.size());
    std::string hive = rest.substr(0, hiveLength);
    rest.erase(0, hiveLength);
    size_t firstLength = lengthAt(data, size, 4, rest.size());
    std::vector<HiveLog> logs = logsOf(rest.substr(0, firstLength), rest.substr(firstLength));
    for (HiveLog& log : logs) {
        if (fixUps & 1)
            resealBaseBlock(&log.bytes);
        if (fixUps & 2)
            rehashEntries(&log.bytes);
    }

    const std::string given = hive;
    HiveRecovery recovery = replayLogs(&hive, logs);
    std::string again = given;
    HiveRecovery second = replayLogs(&again, logs);
    fuzzCheck(again == hive && second.replayed == recovery.replayed &&
                  second.applied == recovery.applied,
              "the same input replays the same way");
    fuzzCheck(recovery.writable() == recovery.problem.empty(),
              "a hive is refused exactly when a reason is given");
    if (!recovery.replayed) {
        fuzzCheck(hive == given, "a hive not brought up to date is left as it was");
        return 0;
    }
    BaseBlock block = readBaseBlock(hive);
    fuzzCheck(recovery.dirty && recovery.applied > 0,
              "only a dirty hive is replayed, by something");
    fuzzCheck(block.valid() && !block.dirty(), "a replayed hive is clean");
    fuzzCheck(block.primarySequence == recovery.sequenceAfter, "its sequence numbers are said");
    fuzzCheck(block.fileType == static_cast<uint32_t>(FileType::Primary), "it is a hive again");
    fuzzCheck(hive.size() >= kBaseBlockSize + block.hiveBinsSize, "its bins are all there");
    return 0;
}
