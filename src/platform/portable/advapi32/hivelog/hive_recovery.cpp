#include "platform/portable/advapi32/hivelog/hive_recovery.h"

#include "platform/portable/advapi32/hivelog/base_block.h"
#include "platform/portable/advapi32/hivelog/le_bytes.h"
#include "platform/portable/advapi32/hivelog/new_format_log.h"
#include "platform/portable/advapi32/hivelog/old_format_log.h"

#include <algorithm>
#include <map>

namespace portable::hivelog {

namespace {

bool isOldFormat(uint32_t type) {
    return type == static_cast<uint32_t>(FileType::OldLog) ||
           type == static_cast<uint32_t>(FileType::OldLogOfWindows2000);
}

bool isNewFormat(uint32_t type) {
    return type == static_cast<uint32_t>(FileType::NewLog);
}

// A log found beside the hive, as far as its base block tells.
struct LogCandidate {
    const HiveLog* log;
    BaseBlock block;
    std::string distrust; // why it cannot be used ("" when it can)
};

std::string whyNotTrusted(const HiveLog& log, const BaseBlock& block) {
    if (!log.problem.empty())
        return "cannot be read: " + log.problem;
    if (log.bytes.empty())
        return "is empty";
    if (!block.signature)
        return "is not a log of a hive";
    if (!block.checksumRight)
        return "has a damaged base block (its checksum is wrong)";
    if (!isOldFormat(block.fileType) && !isNewFormat(block.fileType))
        return "is of an unknown kind (file type " + std::to_string(block.fileType) + ")";
    if (!block.valid() || block.primarySequence != block.secondarySequence)
        return "was itself not written to the end (its sequence numbers differ)";
    return std::string();
}

std::string formatName(uint32_t type) {
    return isNewFormat(type) ? "new format" : isOldFormat(type) ? "old format" : "unknown kind";
}

// The hive's base block taken from a log's copy of it, marked as a hive's again.
void takeBaseBlock(const HiveLog& log, std::string* hive) {
    if (hive->size() < kBaseBlockSize)
        hive->resize(kBaseBlockSize, '\0');
    hive->replace(0, kSectorSize, log.bytes, 0, kSectorSize);
    putLe32(hive, kFileTypeOffset, static_cast<uint32_t>(FileType::Primary));
}

struct EntryInLog {
    const HiveLog* log;
    LogEntry entry;
};

using EntriesBySequence = std::map<uint32_t, EntryInLog>;

// The entries of the logs read, by sequence number; those below their log's own base block
// are remnants of earlier rounds of that log, never applied. Why a log stopped early goes to
// recovery->stop.
EntriesBySequence entriesOf(const std::vector<std::pair<const LogCandidate*, LogEntries>>& read,
                            HiveRecovery* recovery) {
    EntriesBySequence bySequence;
    for (const auto& [candidate, entries] : read) {
        for (const LogEntry& entry : entries.entries)
            if (entry.sequence >= candidate->block.primarySequence)
                bySequence.emplace(entry.sequence, EntryInLog{candidate->log, entry});
        if (!entries.stop.empty())
            recovery->stop +=
                (recovery->stop.empty() ? "" : "; ") + candidate->log->name + ": " + entries.stop;
    }
    return bySequence;
}

// The log whose entries go furthest: the one a hive with a damaged base block is replayed from.
std::pair<const LogCandidate*, LogEntries>
newestLog(const std::vector<std::pair<const LogCandidate*, LogEntries>>& read) {
    auto latest = [](const LogEntries& e) {
        uint32_t most = 0;
        for (const LogEntry& entry : e.entries)
            most = std::max(most, entry.sequence);
        return most;
    };
    return *std::max_element(read.begin(), read.end(),
                             [&](auto& a, auto& b) { return latest(a.second) < latest(b.second); });
}

// New format: the entries of every trusted log (or, when the hive's base block is damaged,
// of the one with the latest entries), applied in the order of their sequence numbers from the
// first at or above the hive's own, each the one before plus one, into a copy that replaces
// the hive only when at least one applies. (Windows starts its logs afresh now and then, so
// the first entry may be well above the hive's sequence number.)
void replayNewFormat(const std::vector<LogCandidate>& logs, bool hiveBlockValid,
                     std::string* original, HiveRecovery* recovery) {
    std::string copy = *original;
    std::vector<std::pair<const LogCandidate*, LogEntries>> read;
    for (const LogCandidate& candidate : logs)
        if (candidate.distrust.empty() && isNewFormat(candidate.block.fileType))
            read.emplace_back(&candidate, readLogEntries(candidate.log->bytes));
    uint32_t lowest = recovery->sequenceBefore[1];
    if (!hiveBlockValid) {
        read = {newestLog(read)};
        takeBaseBlock(*read[0].first->log, &copy);
        recovery->baseBlockFromLog = true;
        lowest = read[0].first->block.primarySequence;
    }
    EntriesBySequence bySequence = entriesOf(read, recovery);
    auto found = bySequence.lower_bound(lowest);
    uint32_t next = found == bySequence.end() ? lowest : found->first;
    recovery->firstSequence = next;
    for (; found != bySequence.end() && found->first == next; ++found, ++next) {
        applyLogEntry(found->second.log->bytes, found->second.entry, &copy);
        const std::string& name = found->second.log->name;
        if (std::find(recovery->logsUsed.begin(), recovery->logsUsed.end(), name) ==
            recovery->logsUsed.end())
            recovery->logsUsed.push_back(name);
        ++recovery->applied;
    }
    if (recovery->applied == 0) {
        recovery->problem = "its logs hold no entry with a sequence number from " +
                            std::to_string(lowest) + " on, the first it lacks";
        if (!recovery->stop.empty())
            recovery->problem += " (" + recovery->stop + ")";
        return;
    }
    recovery->sequenceAfter = next;
    markClean(&copy, next);
    original->swap(copy);
    recovery->replayed = true;
}

// True when the log was written in the same write as the hive: its timestamp is the hive's, or,
// when the hive's base block is damaged, that of the first hive bin (which keeps a copy), or
// still the damaged block's own (64 bits that match are no accident).
bool sameWrite(const BaseBlock& log, const std::string& hive, bool hiveBlockValid) {
    uint64_t own = readBaseBlock(hive).timestamp;
    return log.timestamp == own ||
           (!hiveBlockValid && log.timestamp == le64(hive, kFirstBinTimestampOffset));
}

// Old format: the first trusted log written in the same write as the hive.
void replayOldFormat(const std::vector<LogCandidate>& logs, bool hiveBlockValid, std::string* hive,
                     HiveRecovery* recovery) {
    std::string problems;
    for (const LogCandidate& candidate : logs) {
        if (!candidate.distrust.empty() || !isOldFormat(candidate.block.fileType))
            continue;
        const std::string& name = candidate.log->name;
        if (!sameWrite(candidate.block, *hive, hiveBlockValid)) {
            problems += (problems.empty() ? "" : "; ") + name +
                        " belongs to another write of the hive (its timestamp differs)";
            continue;
        }
        std::string tried = *hive;
        if (!hiveBlockValid)
            takeBaseBlock(*candidate.log, &tried);
        OldLogResult result = applyOldFormatLog(candidate.log->bytes, &tried);
        if (!result.usable()) {
            problems += (problems.empty() ? "" : "; ") + name + " " +
                        (result.problem.empty() ? "holds no dirty page" : result.problem);
            continue;
        }
        hive->swap(tried);
        recovery->baseBlockFromLog = !hiveBlockValid;
        recovery->logsUsed.push_back(name);
        recovery->applied = result.pagesApplied;
        recovery->stop = result.problem.empty() ? "" : name + ": " + result.problem;
        recovery->sequenceAfter = candidate.block.primarySequence;
        markClean(hive, recovery->sequenceAfter);
        recovery->replayed = true;
        return;
    }
    recovery->problem = problems;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

} // namespace

HiveRecovery replayLogs(std::string* hive, const std::vector<HiveLog>& logs) {
    HiveRecovery recovery;
    std::vector<LogCandidate> candidates;
    for (const HiveLog& log : logs) {
        BaseBlock block = readBaseBlock(log.bytes);
        candidates.push_back({&log, block, whyNotTrusted(log, block)});
        recovery.logsFound.push_back(log.name + " (" +
                                     (candidates.back().distrust.empty()
                                          ? formatName(block.fileType)
                                          : candidates.back().distrust) +
                                     ")");
    }
    BaseBlock block = readBaseBlock(*hive);
    recovery.sequenceBefore[0] = block.primarySequence;
    recovery.sequenceBefore[1] = block.secondarySequence;
    if (hive->size() < kSectorSize || !block.dirty())
        return recovery; // a hive cut short is refused as such by its reader
    recovery.dirty = true;
    bool anyNew = false, anyOld = false;
    std::string distrusted;
    for (const LogCandidate& candidate : candidates) {
        anyNew |= candidate.distrust.empty() && isNewFormat(candidate.block.fileType);
        anyOld |= candidate.distrust.empty() && isOldFormat(candidate.block.fileType);
        if (!candidate.distrust.empty())
            distrusted +=
                (distrusted.empty() ? "" : "; ") + candidate.log->name + " " + candidate.distrust;
    }
    recovery.format = anyNew ? LogFormat::New : anyOld ? LogFormat::Old : LogFormat::None;
    if (anyNew)
        replayNewFormat(candidates, block.valid(), hive, &recovery);
    else if (anyOld)
        replayOldFormat(candidates, block.valid(), hive, &recovery);
    else
        recovery.problem = logs.empty() ? "no log lies beside it" : distrusted;
    return recovery;
}

std::string replayNote(const HiveRecovery& recovery) {
    std::string text = "replayed " + joined(recovery.logsUsed) + " into the hive, as Windows " +
                       "does after a crash: ";
    const bool one = recovery.applied == 1;
    if (recovery.format == LogFormat::New)
        text += std::to_string(recovery.applied) + (one ? " log entry" : " log entries") +
                " (sequence numbers " + std::to_string(recovery.firstSequence) + " to " +
                std::to_string(recovery.sequenceAfter - 1) + ")";
    else
        text += std::to_string(recovery.applied) + (one ? " dirty page" : " dirty pages") +
                " of 512 bytes (old format)";
    if (recovery.baseBlockFromLog)
        text += ", its damaged base block taken from the log";
    if (!recovery.stop.empty())
        text += "; the replay stopped early: " + recovery.stop;
    return text;
}

std::string unrecoverableReason(const std::string& hiveName, const HiveRecovery& recovery) {
    return ": the hive was not closed cleanly (its base block says its recent changes are only "
           "in its logs), and they cannot bring it up to date: " +
           recovery.problem + ". Looked for " + logNamesLookedFor(hiveName) +
           " beside it, names in any case. Boot Windows once and shut it down cleanly, or copy "
           "the hive together with its logs, then try again.";
}

} // namespace portable::hivelog
