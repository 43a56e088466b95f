// set and reset: every value checked first, then all of them written in one save, or none.
#include "commands.h"
#include "exit_status.h"
#include "messages.h"
#include "property_input.h"
#include "property_report.h"
#include "value_snapshot.h"

#include <cstdio>

namespace quorlan_params {

namespace {

// A property and the display value it is to have.
struct Change {
    const PropertyRow* row;
    std::string display;
};

// Adds the change unless its property is named already; false (message said) when it is.
bool addChange(std::vector<Change>* changes, const PropertyRow& row, const std::string& display) {
    for (const Change& change : *changes) {
        if (change.row == &row) {
            sayError(std::string(row.label) + " is named more than once");
            return false;
        }
    }
    changes->push_back({&row, display});
    return true;
}

const PropertyRow* namedProperty(const std::string& name) {
    const PropertyRow* row = findProperty(name);
    if (row == nullptr)
        sayError("no property " + name + "; the properties are " + propertyLabels());
    return row;
}

// The changes PROPERTY=VALUE pairs ask for, or the exit code that refuses them: a pair that is
// not one is a usage error; a value refused is reported for every pair before giving up.
int changesFromPairs(const std::vector<std::string>& pairs, std::vector<Change>* changes) {
    bool refused = false;
    for (const std::string& pair : pairs) {
        const size_t equals = pair.find('=');
        if (equals == std::string::npos) {
            sayError("set takes PROPERTY=VALUE, not " + pair);
            return kExitUsage;
        }
        const std::string value = pair.substr(equals + 1);
        const PropertyRow* row = namedProperty(pair.substr(0, equals));
        if (row == nullptr)
            return kExitUsage;
        std::string display;
        if (!displayValueFor(*row, value, &display)) {
            sayError(std::string(row->label) + ": \"" + value + "\" is refused; it takes " +
                     acceptedValues(*row));
            refused = true;
        } else if (!addChange(changes, *row, display)) {
            return kExitUsage;
        }
    }
    return refused ? kExitRefused : kExitDone;
}

int changesToDefaults(const std::vector<std::string>& names, std::vector<Change>* changes) {
    if (names.empty()) {
        for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
             ++row)
            changes->push_back({row, row->defaultDisplay});
        return kExitDone;
    }
    for (const std::string& name : names) {
        const PropertyRow* row = namedProperty(name);
        if (row == nullptr || !addChange(changes, *row, row->defaultDisplay))
            return kExitUsage;
    }
    return kExitDone;
}

bool isNamed(const std::vector<Change>& all, PropertyId id) {
    for (const Change& change : all)
        if (change.row->id == id)
            return true;
    return false;
}

// Whether saving `target` would change what the registry holds for the property now.
bool changesRegistry(const PropertyValues& loaded, const PropertyValues& target, PropertyId id) {
    if (target.storedIsAbsent(id))
        return loaded.wasRead(id);
    return !loaded.wasRead(id) || !loaded.stored(id).equals(target.stored(id).c_str());
}

// "Label: before -> after" for every property whose registry value would change.
void printDryRun(const PropertyValues& loaded, const PropertyValues& target,
                 const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        const PropertyId id = change.row->id;
        if (!changesRegistry(loaded, target, id))
            continue;
        std::printf("%s: %s -> %s\n", change.row->label,
                    shownValue(loadedState(loaded, id)).c_str(),
                    target.storedIsAbsent(id) ? kAbsentWord : target.display(id).c_str());
    }
}

// Writes the changed values in the registry's order and flushes once. When a write or the
// flush fails, the values written are put back as they were and flushed again, so the save is
// all or nothing (a refused write wrote nothing).
int writeChanges(ParameterStore& store, const PropertyValues& values,
                 const std::vector<Change>& all) {
    std::vector<PropertyId> ids;
    std::vector<std::string> names;
    for (size_t i = 0; i < kPropertyCount; ++i) {
        PropertyId id = PropertyCatalogue::storageOrder()[i];
        if (isNamed(all, id)) {
            ids.push_back(id);
            names.push_back(PropertyCatalogue::row(id).valueName);
        }
    }
    ValueSnapshot before;
    if (!before.take(store.key(), names)) {
        sayError("the values as they are now do not read; nothing was changed");
        return kExitRegistry;
    }
    std::vector<std::string> written;
    std::string failed;
    for (size_t i = 0; i < ids.size(); ++i) {
        if (store.WriteValue(values, ids[i]))
            written.push_back(names[i]);
        else
            failed += (failed.empty() ? "" : ", ") + names[i];
    }
    if (failed.empty() && store.Flush() == ERROR_SUCCESS)
        return kExitDone;
    const bool restored = before.restore(store.key(), written) && store.Flush() == ERROR_SUCCESS;
    sayError("could not save " + (failed.empty() ? std::string("the change") : failed) +
             (restored ? "; nothing was changed" : "; the values may be left part changed"));
    return kExitRegistry;
}

int applyChanges(const std::string& service, const std::vector<Change>& changes, bool dryRun) {
    ParameterStore store(service.c_str());
    LONG status = dryRun ? store.OpenForReading() : store.OpenForWriting();
    if (status != ERROR_SUCCESS) {
        sayError(keyNotOpened(store, status));
        return kExitRegistry;
    }
    PropertyValues loaded;
    store.Read(loaded);
    loaded.displayFromStored();
    PropertyValues target = loaded;
    for (const Change& change : changes)
        target.display(change.row->id).assign(change.display.c_str());
    target.storedFromDisplay();
    if (dryRun) {
        printDryRun(loaded, target, changes);
        return kExitDone;
    }
    return writeChanges(store, target, changes);
}

} // namespace

int setProperties(const std::string& service, const std::vector<std::string>& pairs, bool dryRun) {
    std::vector<Change> changes;
    int status = changesFromPairs(pairs, &changes);
    return status == kExitDone ? applyChanges(service, changes, dryRun) : status;
}

int resetProperties(const std::string& service, const std::vector<std::string>& names,
                    bool dryRun) {
    std::vector<Change> changes;
    int status = changesToDefaults(names, &changes);
    return status == kExitDone ? applyChanges(service, changes, dryRun) : status;
}

} // namespace quorlan_params
