// Where the registry lives: in memory, or in a REGEDIT4 text file or a Windows hive (hive_file.h)
// that several processes may share. Changes are applied at once to this process's view and kept as
// a list until saved; a save takes the file's lock, reads the file again if another process
// replaced it, applies the list onto it and replaces the file atomically, so no process's changes
// are lost.
#pragma once

#include "platform/portable/advapi32/hivelog/hive_recovery.h"
#include "platform/portable/advapi32/registry_change.h"
#include "platform/portable/advapi32/registry_tree.h"
#include "platform/portable/advapi32/storefile/store_location.h"

#include "platform/portable/portable_registry.h"

#include <string>
#include <vector>

namespace portable::registry {

class RegistryStore {
  public:
    static RegistryStore& instance();
    ~RegistryStore();

    bool useFile(const std::string& path, std::string* error);
    void useMemory();
    // Why the file in use will not be written, naming it; empty when it will.
    const std::string& notice() const { return notice_; }
    // Which logs were replayed into the hive in use when it was chosen, naming it; empty when
    // none were.
    const std::string& replayNote() const { return replayNote_; }

    void setFaults(const RegistryFaults& faults) { faults_ = faults; }
    const RegistryFaults& faults() const { return faults_; }
    // Counts one key opened against the faults: false when the key is to be found gone.
    bool countOpen() {
        if (faults_.keyGoneAfterOpens < 0)
            return true;
        if (faults_.keyGoneAfterOpens == 0)
            return false;
        --faults_.keyGoneAfterOpens;
        return true;
    }

    // Reads the file again when it changed on disk since this process last read or wrote it.
    void refresh();
    const RegistryTree& tree() const { return tree_; }
    // Changes whenever a key of tree() may have gone (deleted, or the tree read again): a key
    // found while it stays the same is still there.
    unsigned long epoch() const { return epoch_; }
    void change(RegistryChange change);
    // The same changes for a value of a key found in tree() at that path.
    void setValue(RegistryKey& key, const KeyPath& path, std::string_view name, DWORD type,
                  std::vector<BYTE> data);
    void deleteValue(RegistryKey& key, const KeyPath& path, std::string_view name);
    bool hasPendingChanges() const { return unsaved_; }
    // Writes the pending changes: ERROR_SUCCESS, or ERROR_CANTREAD / ERROR_CANTWRITE with the
    // file as it was. A failed save drops the changes (nothing of them is written later) and
    // reads the file again, so what the Reg* functions see is what the file holds.
    LONG save();
    // Why the last save failed; cause kNone after a save that succeeded.
    const RegistrySaveFailure& lastFailure() const { return lastFailure_; }
    // How the last save was made when not as usual, naming the file; empty otherwise.
    const std::string& lastNote() const { return lastNote_; }

  private:
    using FileStamp = storefile::FileStamp;

    bool inMemory() const { return !location_.valid(); }
    // What a file read turned out to be.
    struct Format {
        bool hive = false;              // a hive, else REGEDIT4 text
        hivelog::HiveRecovery recovery; // a hive's logs, replayed when it is dirty
    };
    static bool load(const storefile::StoreLocation& location, RegistryTree* tree, FileStamp* stamp,
                     std::string* error, Format* format);
    // *failure says why it failed and whether the file was touched; *note how it was written
    // when not as usual.
    LONG saveToFile(RegistrySaveFailure* failure, std::string* note);
    // Why a hive in use is never written ("" for a store that is written), starting with ": ".
    std::string unwritableReason() const;
    // Fills *failure for a step that failed with errno `code`, *problem its own account.
    void explainFailure(const std::string& problem, int code, RegistrySaveFailure* failure) const;
    void dropPendingChanges();

    storefile::StoreLocation location_; // not valid: the registry is kept in memory
    std::string shownPath_;             // the path as it was given, for messages
    RegistrySaveFailure lastFailure_;
    std::string lastNote_;
    Format format_;
    std::string notice_;
    std::string replayNote_;
    RegistryTree tree_;
    std::vector<RegistryChange> pending_; // the file's changes not yet saved
    bool unsaved_ = false;                // changes not yet saved, in the file or in memory
    unsigned long epoch_ = 0;
    FileStamp stamp_;
    RegistryFaults faults_;
};

} // namespace portable::registry
