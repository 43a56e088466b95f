#include "test_hive_logs.h"

#include "platform/portable/advapi32/hivelog/base_block.h"
#include "platform/portable/advapi32/hivelog/le_bytes.h"
#include "platform/portable/advapi32/hivelog/marvin32.h"

#include <hivex.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace test_support {

namespace {

using namespace portable::hivelog;

void padToSector(std::string* bytes) {
    bytes->resize((bytes->size() + kSectorSize - 1) / kSectorSize * kSectorSize, '\0');
}

// The hive's base block as a log's first sector: type, sequence numbers, checksum.
std::string logBaseBlock(const std::string& hive, uint32_t type, uint32_t sequence) {
    std::string block = hive.substr(0, kSectorSize);
    putLe32(&block, 4, sequence);
    putLe32(&block, 8, sequence);
    putLe32(&block, kFileTypeOffset, type);
    sealBaseBlock(&block);
    return block;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string logEntry(const TestLogEntry& wanted) {
    std::string entry(40, '\0');
    entry.replace(0, 4, "HvLE");
    putLe32(&entry, 12, wanted.sequence);
    uint32_t size = static_cast<uint32_t>(wanted.bins.size());
    putLe32(&entry, 16, wanted.hiveBinsSize ? wanted.hiveBinsSize : wanted.pageOffset + size);
    putLe32(&entry, 20, 1);
    std::string reference(8, '\0');
    putLe32(&reference, 0, wanted.pageOffset);
    putLe32(&reference, 4, size);
    entry += reference + wanted.bins;
    padToSector(&entry);
    putLe32(&entry, 4, static_cast<uint32_t>(entry.size()));
    putLe64(&entry, 24, marvin32(std::string_view(entry).substr(40), kLogEntrySeed));
    putLe64(&entry, 32, marvin32(std::string_view(entry).substr(0, 32), kLogEntrySeed));
    if (wanted.tornPage)
        entry[48 + wanted.bins.size() / 2] ^= 0x5A;
    return entry;
}

} // namespace

std::string changedHive(const std::string& path, const char* name, uint32_t number,
                        size_t padding) {
    std::string scratch = path + ".changed";
    std::ofstream(scratch, std::ios::binary) << readAll(path);
    hive_h* hive = hivex_open(scratch.c_str(), HIVEX_OPEN_WRITE);
    hive_node_h select = hive ? hivex_node_get_child(hive, hivex_root(hive), "Select") : 0;
    std::string dword(4, '\0'), blob(padding, 'x');
    putLe32(&dword, 0, number);
    std::string blobName = std::string(name) + "Padding";
    hive_set_value value{const_cast<char*>(name), hive_t_REG_DWORD, 4, dword.data()};
    hive_set_value big{blobName.data(), hive_t_REG_BINARY, blob.size(), blob.data()};
    bool made = select && hivex_node_set_value(hive, select, &value, 0) == 0 &&
                (padding == 0 || hivex_node_set_value(hive, select, &big, 0) == 0) &&
                hivex_commit(hive, scratch.c_str(), 0) == 0;
    if (hive)
        hivex_close(hive);
    std::string bytes = made ? readAll(scratch) : std::string();
    ::unlink(scratch.c_str());
    return bytes;
}

std::string hiveBinsOf(const std::string& hive) {
    return hive.substr(kBaseBlockSize, le32(hive, kHiveBinsSizeOffset));
}

std::string newFormatLog(const std::string& hive, const std::vector<TestLogEntry>& entries) {
    std::string log = logBaseBlock(hive, 6, entries.empty() ? 0 : entries[0].sequence);
    for (const TestLogEntry& entry : entries)
        log += logEntry(entry);
    return log;
}

std::string oldFormatLog(const std::string& hive, const std::string& bins) {
    std::string log = logBaseBlock(hive, 1, le32(hive, 4));
    putLe32(&log, kHiveBinsSizeOffset, static_cast<uint32_t>(bins.size()));
    sealBaseBlock(&log);
    std::string old = hiveBinsOf(hive);
    std::string vector = "DIRT" + std::string(bins.size() / 4096, '\0');
    std::string pages;
    for (size_t block = 0; block < bins.size() / 4096; ++block) {
        std::string now = bins.substr(block * 4096, 4096);
        if (block * 4096 < old.size() && old.substr(block * 4096, 4096) == now)
            continue;
        vector[4 + block] = static_cast<char>(0xFF); // eight pages of 512 bytes
        pages += now;
    }
    padToSector(&vector);
    return log + vector + pages;
}

bool crashBetween(const std::string& before, const std::string& after, size_t chunkSize,
                  std::string* error) {
    std::string old = readAll(before), now = readAll(after);
    std::string oldBins = hiveBinsOf(old), newBins = hiveBinsOf(now);
    std::string dirty = old;
    uint32_t sequence = le32(old, 8);
    putLe32(&dirty, 4, sequence + 1); // the write that the crash cut short
    sealBaseBlock(&dirty);
    std::vector<TestLogEntry> logs[2];
    uint32_t next = sequence;
    for (size_t at = 0; at < newBins.size(); at += chunkSize) {
        std::string chunk = newBins.substr(at, chunkSize);
        if (oldBins.compare(at, chunk.size(), chunk) == 0)
            continue;
        TestLogEntry entry{next, chunk};
        entry.pageOffset = static_cast<uint32_t>(at);
        entry.hiveBinsSize = static_cast<uint32_t>(newBins.size());
        logs[(next - sequence) % 2].push_back(entry);
        ++next;
    }
    if (next == sequence) {
        *error = after + ": nothing changed since " + before;
        return false;
    }
    const char* suffixes[] = {".LOG1", ".LOG2"};
    for (int i = 0; i < 2; ++i) {
        std::ofstream log(after + suffixes[i], std::ios::binary | std::ios::trunc);
        log << (logs[i].empty() ? std::string() : newFormatLog(dirty, logs[i]));
    }
    std::ofstream hive(after, std::ios::binary | std::ios::trunc);
    if (!(hive << dirty)) {
        *error = after + ": cannot write";
        return false;
    }
    return true;
}

} // namespace test_support
