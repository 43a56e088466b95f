// set and reset: every value checked first, then compared with what the registry holds, and
// those that change written in one save, or none.
#include "commands.h"
#include "exit_status.h"
#include "json_text.h"
#include "messages.h"
#include "property_input.h"
#include "property_report.h"
#include "registry_choice.h"
#include "standard_output.h"
#include "value_snapshot.h"

#include <algorithm>

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

// A named property as the command found it and leaves it.
struct Outcome {
    const PropertyRow* row;
    PropertyState before; // as loaded
    bool changes;         // the registry does not hold what it is set to
};

// The named properties in the order named, each compared with what the registry holds: the
// exact type and bytes a save would write, or the value's absence. Empty when they do not read.
std::vector<Outcome> compare(const ParameterStore& store, const PropertyValues& loaded,
                             const PropertyValues& target, const std::vector<Change>& changes,
                             ValueSnapshot* now) {
    std::vector<std::string> names;
    for (const Change& change : changes)
        names.push_back(change.row->valueName);
    std::vector<Outcome> outcomes;
    if (!now->take(store.key(), names))
        return outcomes;
    for (const Change& change : changes) {
        const PropertyId id = change.row->id;
        const char* text = target.storedIsAbsent(id) ? nullptr : target.stored(id).c_str();
        outcomes.push_back({change.row, loadedState(loaded, id, store.key()),
                            !now->holdsText(change.row->valueName, text)});
    }
    return outcomes;
}

std::string afterWord(const PropertyValues& target, PropertyId id) {
    return target.storedIsAbsent(id) ? kAbsentWord : target.display(id).c_str();
}

// The labels of the properties that already hold what they are set to, or "".
std::string unchangedLabels(const std::vector<Outcome>& outcomes) {
    std::string labels;
    for (const Outcome& outcome : outcomes)
        if (!outcome.changes)
            labels += (labels.empty() ? "" : ", ") + std::string(outcome.row->label);
    return labels;
}

// "Label: before -> after" for every property whose registry value changes.
std::string changeLines(const PropertyValues& target, const std::vector<Outcome>& outcomes) {
    std::string lines;
    for (const Outcome& outcome : outcomes)
        if (outcome.changes)
            lines += std::string(outcome.row->label) + ": " + shownValue(outcome.before) + " -> " +
                     afterWord(target, outcome.row->id) + "\n";
    return inOutputCharset(lines);
}

// {"changed": [...], "unchanged": [...], "written": ...}: what a configuration tool reports.
std::string changeJson(const PropertyValues& target, const std::vector<Outcome>& outcomes,
                       bool written) {
    std::string changed, unchanged;
    for (const Outcome& outcome : outcomes) {
        const PropertyRow& row = *outcome.row;
        const std::string head =
            "{\"label\": " + jsonString(row.label) + ", \"name\": " + jsonString(row.valueName);
        const std::string after =
            jsonStringOrNull(!target.storedIsAbsent(row.id), target.display(row.id).c_str());
        if (outcome.changes)
            changed += (changed.empty() ? "" : ", ") + head + ", \"before\": " +
                       jsonStringOrNull(outcome.before.present, outcome.before.display) +
                       ", \"after\": " + after + "}";
        else
            unchanged += (unchanged.empty() ? "" : ", ") + head + ", \"value\": " + after + "}";
    }
    return "{\"changed\": [" + changed + "], \"unchanged\": [" + unchanged +
           "], \"written\": " + (written ? "true" : "false") + "}\n";
}

// Writes the values that change, in the registry's order, and saves once. A refused write
// puts back the values written before it (Windows keeps each write at once, and closing a key
// saves what was written). A save that fails is never followed by another: the store keeps
// nothing of it, and a "restore" would only overwrite what others saved meanwhile.
int writeChanges(ParameterStore& store, const PropertyValues& target,
                 const std::vector<Outcome>& outcomes, const ValueSnapshot& before) {
    std::vector<std::string> written;
    for (size_t i = 0; i < kPropertyCount; ++i) {
        const PropertyId id = PropertyCatalogue::storageOrder()[i];
        const auto outcome = std::find_if(outcomes.begin(), outcomes.end(),
                                          [id](const Outcome& one) { return one.row->id == id; });
        if (outcome == outcomes.end() || !outcome->changes)
            continue;
        if (!store.WriteValue(target, id)) {
            const bool restored = before.restore(store.key(), written);
            sayError(std::string("could not save the change: the registry refuses to write ") +
                     outcome->row->valueName +
                     (restored ? "; nothing was changed"
                               : "; the values written before it may be left changed"));
            return kExitRegistry;
        }
        written.push_back(outcome->row->valueName);
    }
    const LONG status = written.empty() ? ERROR_SUCCESS : store.Flush();
    if (status == ERROR_SUCCESS) {
        const std::string note = written.empty() ? std::string() : saveNote();
        if (!note.empty())
            sayError(note); // a save that kept the file's ACL or label by rewriting it in place
        return kExitDone;
    }
    sayError("could not save the change: " + saveFailureText(status));
    return kExitRegistry;
}

int applyChanges(const std::string& service, const std::vector<Change>& changes,
                 const ChangeMode& mode) {
    ParameterStore store(service.c_str());
    LONG status = mode.dryRun ? store.OpenForReading() : store.OpenForWriting();
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
    ValueSnapshot now;
    const std::vector<Outcome> outcomes = compare(store, loaded, target, changes, &now);
    if (outcomes.empty()) {
        sayError("the values as they are now do not read; nothing was changed");
        return kExitRegistry;
    }
    const std::string unchanged = unchangedLabels(outcomes);
    const bool changing = std::any_of(outcomes.begin(), outcomes.end(),
                                      [](const Outcome& outcome) { return outcome.changes; });
    const std::string unwritable = unwritableRegistryReason();
    if (mode.dryRun && changing && !unwritable.empty()) {
        sayError("the change cannot be saved: " + unwritable);
        return kExitRegistry;
    }
    if (!mode.dryRun && changing) {
        status = writeChanges(store, target, outcomes, now);
        if (status != kExitDone)
            return status;
    }
    if (!unchanged.empty())
        sayError("unchanged (already so): " + unchanged +
                 (changing ? std::string() : "; nothing was written"));
    writeOutput(mode.json     ? changeJson(target, outcomes, changing && !mode.dryRun)
                : mode.dryRun ? changeLines(target, outcomes)
                              : std::string());
    return kExitDone;
}

} // namespace

int setProperties(const std::string& service, const std::vector<std::string>& pairs,
                  const ChangeMode& mode) {
    std::vector<Change> changes;
    int status = changesFromPairs(pairs, &changes);
    return status == kExitDone ? applyChanges(service, changes, mode) : status;
}

int resetProperties(const std::string& service, const std::vector<std::string>& names,
                    const ChangeMode& mode) {
    std::vector<Change> changes;
    int status = changesToDefaults(names, &changes);
    return status == kExitDone ? applyChanges(service, changes, mode) : status;
}

} // namespace quorlan_params
