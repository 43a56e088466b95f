// list and get: the values as the dialog shows them after loading.
#include "commands.h"
#include "exit_status.h"
#include "messages.h"
#include "property_input.h"
#include "property_report.h"
#include "registry_choice.h"
#include "standard_output.h"

#include <algorithm>

namespace quorlan_params {

namespace {

// The values as the dialog loads them, with their types; false (with the message said) when
// the key does not open. A registry that will not be written is said once, as a warning.
bool loadStates(const std::string& service, std::vector<PropertyState>* states) {
    ParameterStore store(service.c_str());
    LONG status = store.OpenForReading();
    if (status != ERROR_SUCCESS) {
        sayError(keyNotOpened(store, status));
        return false;
    }
    const std::string unwritable = unwritableRegistryReason();
    if (!unwritable.empty())
        sayError("warning: " + unwritable);
    PropertyValues values;
    store.Read(values);
    values.displayFromStored();
    *states = loadedStates(values, store.key());
    return true;
}

} // namespace

int listProperties(const std::string& service, bool json) {
    std::vector<PropertyState> states;
    if (!loadStates(service, &states))
        return kExitRegistry;
    writeOutput(json ? propertiesJson(states) : inOutputCharset(propertyTable(states)));
    return kExitDone;
}

int getProperty(const std::string& service, const std::string& property, bool json) {
    const PropertyRow* row = findProperty(property);
    if (row == nullptr) {
        sayError("no property " + property + "; the properties are " + propertyLabels());
        return kExitUsage;
    }
    std::vector<PropertyState> states;
    if (!loadStates(service, &states))
        return kExitRegistry;
    const PropertyState& state = *std::find_if(
        states.begin(), states.end(), [row](const PropertyState& one) { return one.row == row; });
    if (json) {
        writeOutput(propertyJson(state) + "\n");
        return kExitDone;
    }
    const std::string note = storedNote(state);
    if (!note.empty())
        sayError(inOutputCharset(std::string(row->label) + ": " + note +
                                 "; shown as the dialog shows it"));
    writeOutput(inOutputCharset(valueWord(state)) + "\n");
    return kExitDone;
}

} // namespace quorlan_params
