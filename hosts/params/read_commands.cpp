// list and get: the values as the dialog shows them after loading.
#include "commands.h"
#include "exit_status.h"
#include "messages.h"
#include "property_input.h"
#include "property_report.h"

#include <cstdio>

namespace quorlan_params {

namespace {

// Reads the eight values as the dialog loads them; false (with the message said) when the key
// does not open.
bool loadValues(const std::string& service, PropertyValues* values) {
    ParameterStore store(service.c_str());
    LONG status = store.OpenForReading();
    if (status != ERROR_SUCCESS) {
        sayError(keyNotOpened(store, status));
        return false;
    }
    store.Read(*values);
    values->displayFromStored();
    return true;
}

} // namespace

int listProperties(const std::string& service, bool json) {
    PropertyValues values;
    if (!loadValues(service, &values))
        return kExitRegistry;
    const std::vector<PropertyState> states = loadedStates(values);
    std::fputs((json ? propertiesJson(states) : propertyTable(states)).c_str(), stdout);
    return kExitDone;
}

int getProperty(const std::string& service, const std::string& property, bool json) {
    const PropertyRow* row = findProperty(property);
    if (row == nullptr) {
        sayError("no property " + property + "; the properties are " + propertyLabels());
        return kExitUsage;
    }
    PropertyValues values;
    if (!loadValues(service, &values))
        return kExitRegistry;
    const PropertyState state = loadedState(values, row->id);
    if (json) {
        std::printf("%s\n", propertyJson(state).c_str());
        return kExitDone;
    }
    const std::string note = storedNote(state);
    if (!note.empty())
        sayError(std::string(row->label) + ": " + note + "; shown as the dialog shows it");
    std::printf("%s\n", valueWord(state).c_str());
    return kExitDone;
}

} // namespace quorlan_params
