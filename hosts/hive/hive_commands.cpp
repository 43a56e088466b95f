#include "hive_commands.h"

#include "platform/portable/advapi32/hive_file.h"
#include "platform/portable/advapi32/hivelog/log_files.h"
#include "platform/portable/advapi32/storefile/store_location.h"
#include "platform/portable/advapi32/storefile/write_from_start.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quorlan_hive {

namespace {

using portable::hivelog::HiveRecovery;
using portable::hivelog::LogFormat;
using portable::storefile::StoreLocation;

void say(const std::string& file, const std::string& text) {
    std::fprintf(stderr, "quorlan-hive: %s%s\n", file.c_str(), text.c_str());
}

// The hive at path, read whole and replayed; false (with the message said) when it cannot be
// read or is no hive.
bool readAndReplay(const std::string& path, std::string* bytes, HiveRecovery* recovery,
                   std::string* name) {
    StoreLocation location;
    std::string error;
    if (!location.resolve(path, &error)) {
        say(path, error);
        return false;
    }
    portable::storefile::FileStamp stamp;
    switch (location.read(bytes, &stamp, &error)) {
    case StoreLocation::ReadResult::Missing:
        say(path, ": no such file");
        return false;
    case StoreLocation::ReadResult::Refused:
        say(path, error);
        return false;
    case StoreLocation::ReadResult::Read:
        break;
    }
    if (!portable::registry::isHive(*bytes)) {
        say(path, ": not a registry hive (it does not start with \"regf\")");
        return false;
    }
    *name = location.name();
    *recovery = portable::registry::replayHiveLogs(location, bytes);
    return true;
}

std::string listed(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : ", ") + names[i];
    return text.empty() ? "none" : text;
}

void printCheck(const std::string& path, const HiveRecovery& r) {
    std::printf("hive: %s\n", path.c_str());
    std::printf("state: %s (sequence numbers %u and %u)\n", r.dirty ? "dirty" : "clean",
                r.sequenceBefore[0], r.sequenceBefore[1]);
    std::printf("logs: %s\n", listed(r.logsFound).c_str());
    if (!r.dirty) {
        std::puts("replay: none (Windows ignores the logs of a clean hive)");
        return;
    }
    if (!r.replayed) {
        std::printf("replay: not possible\n");
        return;
    }
    if (r.format == LogFormat::New)
        std::printf("replay: %u log entries (new format, sequence numbers %u to %u) from %s\n",
                    r.applied, r.firstSequence, r.sequenceAfter - 1, listed(r.logsUsed).c_str());
    else
        std::printf("replay: %u dirty pages (old format) from %s\n", r.applied,
                    listed(r.logsUsed).c_str());
    if (r.baseBlockFromLog)
        std::puts("base block: damaged, taken from the log");
    if (!r.stop.empty())
        std::printf("stopped early: %s\n", r.stop.c_str());
    std::printf("afterwards: clean, both sequence numbers %u\n", r.sequenceAfter);
}

// Creates output (which must not exist, and is never reached through a link) with the bytes.
bool writeNewFile(const std::string& output, const std::string& bytes) {
    int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        say(output, errno == EEXIST ? ": already exists; give a name that does not"
                                    : std::string(": cannot create: ") + std::strerror(errno));
        return false;
    }
    bool written = portable::storefile::writeFromStart(fd, bytes) && ::fsync(fd) == 0;
    int saved = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        saved = errno;
    }
    if (!written) {
        ::unlink(output.c_str());
        say(output, std::string(": cannot write: ") + std::strerror(saved));
    }
    return written;
}

} // namespace

int checkHive(const std::string& path) {
    std::string bytes, name;
    HiveRecovery recovery;
    if (!readAndReplay(path, &bytes, &recovery, &name))
        return kExitNoInput;
    printCheck(path, recovery);
    if (recovery.writable())
        return kExitDone;
    say(path, portable::hivelog::unrecoverableReason(name, recovery));
    return kExitUnrecoverable;
}

int recoverHive(const std::string& path, const std::string& output) {
    std::string bytes, name;
    HiveRecovery recovery;
    if (!readAndReplay(path, &bytes, &recovery, &name))
        return kExitNoInput;
    if (!recovery.writable()) {
        say(path, portable::hivelog::unrecoverableReason(name, recovery) + " Nothing was written.");
        return kExitUnrecoverable;
    }
    if (!writeNewFile(output, bytes))
        return kExitCannotCreate;
    say(output, recovery.replayed ? ": written clean from " + path + ": " +
                                        portable::hivelog::replayNote(recovery) + "; " + path +
                                        " and its logs are left as they are"
                                  : ": written, a copy of " + path + ", which is clean");
    return kExitDone;
}

} // namespace quorlan_hive
