// Any bytes as a hive and its two logs, cut from one input (two lengths first): the replay
// reads only inside them, gives the same result twice, leaves a hive it does not bring up to
// date as it was, and leaves one it does clean, whole and a hive again.
#include "fuzz_check.h"
#include "platform/portable/advapi32/hivelog/base_block.h"
#include "platform/portable/advapi32/hivelog/hive_recovery.h"

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
    rest.erase(0, 8);
    size_t hiveLength = lengthAt(data, size, 0, rest.size());
    std::string hive = rest.substr(0, hiveLength);
    rest.erase(0, hiveLength);
    size_t firstLength = lengthAt(data, size, 4, rest.size());
    std::vector<HiveLog> logs = logsOf(rest.substr(0, firstLength), rest.substr(firstLength));

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
