// The replay of a dirty hive's transaction logs, as Windows does when it loads the hive: which
// logs fit it, in which order their entries or pages apply, and what the hive is afterwards.
// Pure: bytes in, bytes out, so that every host (and a fuzzer) runs the same replay.
#pragma once

#include "platform/portable/advapi32/hivelog/log_files.h"

#include <cstdint>
#include <string>
#include <vector>

namespace portable::hivelog {

enum class LogFormat { None, Old, New };

struct HiveRecovery {
    bool dirty = false;            // the hive's base block says it lacks changes (or is damaged)
    bool replayed = false;         // its logs brought it up to date: the bytes were replaced
    bool baseBlockFromLog = false; // the hive's own base block was damaged
    LogFormat format = LogFormat::None;
    std::vector<std::string> logsFound; // "SYSTEM.LOG1 (new format)", ...
    std::vector<std::string> logsUsed;
    uint32_t applied = 0;                // entries (new format) or pages (old format)
    uint32_t sequenceBefore[2] = {0, 0}; // the hive's primary and secondary sequence numbers
    uint32_t firstSequence = 0;          // of the entries applied (new format)
    uint32_t sequenceAfter = 0;          // both, once replayed
    std::string stop;    // why the replay stopped before the end of a log, if it did
    std::string problem; // why a dirty hive cannot be brought up to date

    // The hive may be written: it was clean, or it is now.
    bool writable() const { return !dirty || replayed; }
};

// Brings a dirty hive up to date from its logs; a clean hive is left as it is (Windows ignores
// the logs of a clean hive), and so is a dirty one that its logs cannot bring up to date.
HiveRecovery replayLogs(std::string* hive, const std::vector<HiveLog>& logs);

// "replayed SYSTEM.LOG1 and SYSTEM.LOG2 into the hive, ...: 4 log entries (...)", no file name
// first and no full stop.
std::string replayNote(const HiveRecovery& recovery);

// Why a dirty hive that its logs cannot bring up to date is not used, naming the logs looked
// for, and what to do, starting with ": "; hiveName is the hive's file name.
std::string unrecoverableReason(const std::string& hiveName, const HiveRecovery& recovery);

} // namespace portable::hivelog
