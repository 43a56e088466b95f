#include "platform/portable/advapi32/registry_store.h"

#include "platform/portable/advapi32/hive_file.h"
#include "platform/portable/advapi32/reg_file_reader.h"
#include "platform/portable/advapi32/reg_file_writer.h"
#include "platform/portable/advapi32/storefile/file_replacement.h"
#include "platform/portable/advapi32/storefile/store_lock.h"

#include "platform/portable/win32_registry.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <utility>

namespace portable::registry {

using storefile::StoreLocation;

namespace {

// The errno of a failed step, when the step's own account names it: errno is left as it is by
// calls that succeed, so one that a step did not fail with may be stale.
int errnoNamedIn(const std::string& problem, int code) {
    return code != 0 && problem.find(std::strerror(code)) != std::string::npos ? code : 0;
}

} // namespace

RegistryStore& RegistryStore::instance() {
    static RegistryStore store;
    return store;
}

// Changes not saved when the process ends are lost, as a failed or skipped RegFlushKey would
// lose them: only a save that the program asked for writes the file.
RegistryStore::~RegistryStore() = default;

bool RegistryStore::useFile(const std::string& path, std::string* error) {
    StoreLocation location;
    RegistryTree tree;
    FileStamp stamp;
    std::string problem;
    Format format;
    if (!location.resolve(path, &problem) || !load(location, &tree, &stamp, &problem, &format)) {
        if (error)
            *error = path + problem;
        return false;
    }
    format_ = format;
    const hivelog::HiveRecovery& recovery = format.recovery;
    notice_ = recovery.writable() ? std::string()
                                  : path + ": it is shown as it is but will not be written" +
                                        hivelog::unrecoverableReason(location.name(), recovery);
    replayNote_ = recovery.replayed ? path + ": " + hivelog::replayNote(recovery) +
                                          ". A save writes it clean; the logs are left as they are."
                                    : std::string();
    location_ = std::move(location);
    shownPath_ = path;
    tree_ = std::move(tree);
    ++epoch_;
    stamp_ = stamp;
    pending_.clear();
    unsaved_ = false;
    lastFailure_ = RegistrySaveFailure();
    lastNote_.clear();
    return true;
}

void RegistryStore::useMemory() {
    location_ = StoreLocation();
    format_ = Format();
    notice_.clear();
    replayNote_.clear();
    shownPath_.clear();
    tree_ = RegistryTree();
    ++epoch_;
    stamp_ = FileStamp();
    pending_.clear();
    unsaved_ = false;
    lastFailure_ = RegistrySaveFailure();
    lastNote_.clear();
}

void RegistryStore::refresh() {
    if (inMemory() || location_.stamp() == stamp_)
        return;
    RegistryTree tree;
    FileStamp stamp;
    std::string problem;
    Format format;
    if (!load(location_, &tree, &stamp, &problem, &format) || format.hive != format_.hive)
        return; // keep the last good view; a save will refuse
    for (const RegistryChange& change : pending_)
        tree.apply(change);
    tree_ = std::move(tree);
    ++epoch_;
    stamp_ = stamp;
}

void RegistryStore::change(RegistryChange change) {
    unsaved_ = true;
    if (change.kind == RegistryChange::Kind::DeleteKey)
        ++epoch_;
    if (inMemory()) {
        // Nothing is ever applied again onto another tree in memory: the change is not kept.
        tree_.apply(std::move(change));
        return;
    }
    tree_.apply(change);
    pending_.push_back(std::move(change));
}

void RegistryStore::setValue(RegistryKey& key, const KeyPath& path, std::string_view name,
                             DWORD type, std::vector<BYTE> data) {
    unsaved_ = true;
    if (!inMemory())
        pending_.push_back({RegistryChange::Kind::SetValue, path, std::string(name), type, data});
    key.setValue(name, type, std::move(data));
}

void RegistryStore::deleteValue(RegistryKey& key, const KeyPath& path, std::string_view name) {
    unsaved_ = true;
    if (!inMemory())
        pending_.push_back({RegistryChange::Kind::DeleteValue, path, std::string(name), 0, {}});
    key.removeValue(name);
}

LONG RegistryStore::save() {
    if (!unsaved_)
        return ERROR_SUCCESS;
    if (inMemory() && !faults_.failSave) {
        unsaved_ = false;
        return ERROR_SUCCESS;
    }
    RegistrySaveFailure failure;
    failure.cause = RegistrySaveFailure::Cause::kOther;
    failure.path = inMemory() ? std::string("the registry in memory") : shownPath_;
    failure.detail = ": cannot save: the store refuses (a fault)";
    std::string note;
    LONG status = faults_.failSave ? ERROR_CANTWRITE : saveToFile(&failure, &note);
    if (status == ERROR_SUCCESS) {
        lastFailure_ = RegistrySaveFailure();
        lastNote_ = note.empty() ? std::string() : shownPath_ + note;
        return status;
    }
    lastFailure_ = std::move(failure);
    lastNote_.clear();
    if (!inMemory())
        dropPendingChanges();
    return status;
}

// Under the lock, starts again from the file when another process saved since, and replaces the
// file with the tree. *failure says why it failed and whether the file was touched; *note how
// it was written when not as usual.
LONG RegistryStore::saveToFile(RegistrySaveFailure* failure, std::string* note) {
    using Cause = RegistrySaveFailure::Cause;
    std::string problem;
    if (!format_.recovery.writable()) {
        failure->cause = Cause::kUnwritableHive;
        failure->detail = unwritableReason();
        return ERROR_CANTWRITE;
    }
    if (!storefile::mayWrite(location_, &problem)) {
        explainFailure(problem, errno, failure);
        return ERROR_CANTWRITE;
    }
    storefile::StoreLock lock;
    int wait = faults_.lockWaitMs >= 0 ? faults_.lockWaitMs : storefile::kStoreLockWaitMs;
    // A hive that went is not made again as an empty file: only a text store starts empty.
    if (!lock.acquire(location_, !format_.hive, wait, &problem)) {
        explainFailure(problem, errnoNamedIn(problem, errno), failure);
        if (lock.timedOut()) {
            failure->cause = Cause::kLocked;
            failure->lockHolder = lock.holder();
            failure->lockForReading = lock.heldForReading();
            failure->waitedMs = wait;
        }
        return ERROR_CANTWRITE;
    }
    if (faults_.pauseWhileLockedMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(faults_.pauseWhileLockedMs));
    if (!(location_.stamp() == stamp_)) {
        RegistryTree tree;
        FileStamp stamp;
        Format format;
        if (!load(location_, &tree, &stamp, &problem, &format)) {
            explainFailure(problem, 0, failure);
            return ERROR_CANTREAD;
        }
        if (format.hive != format_.hive) {
            explainFailure(": the file was replaced by one of another kind", 0, failure);
            return ERROR_CANTREAD;
        }
        if (!format.recovery.writable()) { // another program left the hive dirty meanwhile
            format_.recovery = format.recovery;
            notice_ = shownPath_ + ": it is shown as it is but will not be written" +
                      unwritableReason();
            failure->cause = Cause::kUnwritableHive;
            failure->detail = unwritableReason();
            return ERROR_CANTWRITE;
        }
        for (const RegistryChange& change : pending_)
            tree.apply(change);
        tree_ = std::move(tree);
        ++epoch_;
    }
    bool rewroteInPlace = false;
    bool replaced = false;
    storefile::ReplaceOptions options;
    options.stopBeforeRename = faults_.stopBeforeRename;
    options.rewroteInPlace = &rewroteInPlace;
    options.replaced = &replaced;
    options.notice = note;
    bool saved = format_.hive ? writeHive(location_, pending_, options, &problem)
                              : storefile::replaceFile(location_, RegFileWriter().write(tree_),
                                                       options, &problem);
    if (!saved) {
        explainFailure(problem, errnoNamedIn(problem, errno), failure);
        if (replaced) // the save is in the file; only making it durable failed, as it says
            failure->cause = RegistrySaveFailure::Cause::kOther;
        failure->wroteAnything = rewroteInPlace || replaced;
        failure->wroteWhole = replaced;
        return ERROR_CANTWRITE;
    }
    stamp_ = location_.stamp();
    pending_.clear();
    unsaved_ = false;
    return ERROR_SUCCESS;
}

std::string RegistryStore::unwritableReason() const {
    return format_.recovery.writable()
               ? std::string()
               : hivelog::unrecoverableReason(location_.name(), format_.recovery);
}

// The causes a person can act on are told apart by errno; a permission refused is the file's
// when the file itself may not be written, else its folder's (where new files are made).
void RegistryStore::explainFailure(const std::string& problem, int code,
                                   RegistrySaveFailure* failure) const {
    using Cause = RegistrySaveFailure::Cause;
    failure->code = code;
    failure->detail = problem;
    std::string ignored;
    switch (code) {
    case EACCES:
    case EPERM:
        if (!storefile::mayWrite(location_, &ignored)) {
            failure->cause = Cause::kFileNotWritable;
        } else {
            failure->cause = Cause::kFolderNotWritable;
            const std::string& path = location_.path();
            const size_t slash = path.rfind('/');
            failure->folder = slash == std::string::npos ? "." : path.substr(0, slash ? slash : 1);
        }
        break;
    case ENOSPC:
    case EDQUOT:
        failure->cause = Cause::kNoSpace;
        break;
    case EROFS:
        failure->cause = Cause::kReadOnlyFileSystem;
        break;
    default:
        failure->cause = Cause::kOther;
        break;
    }
}

// What a failed save leaves: no changes pending, and the view read again from the file (kept
// as it is only when the file cannot be read; the next refresh tries again).
void RegistryStore::dropPendingChanges() {
    pending_.clear();
    unsaved_ = false;
    RegistryTree tree;
    FileStamp stamp;
    std::string problem;
    Format format;
    if (load(location_, &tree, &stamp, &problem, &format) && format.hive == format_.hive) {
        tree_ = std::move(tree);
        stamp_ = stamp;
    } else {
        stamp_ = FileStamp();
    }
    ++epoch_;
}

// Reads the file into *tree. A missing or empty file is an empty registry (a first save makes
// the file empty, to lock it, before it writes). On failure *error goes on from the file's name:
// ": cannot read: ..." or ":LINE: what is wrong".
bool RegistryStore::load(const StoreLocation& location, RegistryTree* tree, FileStamp* stamp,
                         std::string* error, Format* format) {
    std::string text;
    switch (location.read(&text, stamp, error)) {
    case StoreLocation::ReadResult::Missing:
        *stamp = FileStamp();
        return true;
    case StoreLocation::ReadResult::Refused:
        return false;
    case StoreLocation::ReadResult::Read:
        break;
    }
    format->hive = isHive(text);
    if (format->hive) {
        format->recovery = replayHiveLogs(location, &text);
        if (readHive(&text, tree, error))
            return true;
        // A dirty hive that cannot even be shown: why its logs did not help, too.
        if (!format->recovery.writable())
            *error +=
                ";" + hivelog::unrecoverableReason(location.name(), format->recovery).substr(1);
        return false;
    }
    RegFileReader reader;
    if (!reader.read(std::move(text), tree)) {
        *error = ":" + std::to_string(reader.errorLine()) + ": " + reader.errorMessage();
        return false;
    }
    return true;
}

} // namespace portable::registry
