#include "whole_call.h"

#include "synthetic_registry.h"
#include "params/property_catalogue.h"
#include "platform/portable/portable.h"
#include "scenario/person/scenario_driver.h"
#include "scenario/run/entry_module.h"

namespace {

scenario::Step select(const char* label) {
    scenario::Step step;
    step.kind = scenario::Step::Kind::kSelect;
    step.text = label;
    return step;
}

scenario::Step click(scenario::Button button) {
    scenario::Step step;
    step.kind = scenario::Step::Kind::kClick;
    step.button = button;
    return step;
}

} // namespace

WholeCall::WholeCall() {
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row)
        steps_.push_back(select(row->label));
    steps_.push_back(click(scenario::Button::kDefaults));
    steps_.push_back(click(scenario::Button::kOk));
}

bool WholeCall::load(std::string* error) {
    static scenario::EntryModule module; // loaded for the rest of the process
    if (!module.load(scenario::EntryModule::defaultPath(), error))
        return false;
    entry_ = module.entryPoint();
    return true;
}

void WholeCall::useMemoryStore() {
    portable::useMemoryRegistry();
    writeService(); // the same parameters as the file store holds
}

void WholeCall::writeService() {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Veloxa\\Parameters",
                    0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const char* const values[][2] = {{"NetworkAddress", "0002B3A1C4F7"},
                                     {"VLANID", "12"},
                                     {"FlowControl", "3"},
                                     {"NcBit", "1"},
                                     {"NetworkMedia", "8"},
                                     {"JumboFrame", "1514"},
                                     {"RxQueueSz", "256"},
                                     {"PriQ", "0"}};
    for (const auto& value : values)
        RegSetValueExA(key, value[0], 0, REG_SZ, reinterpret_cast<const BYTE*>(value[1]),
                       static_cast<DWORD>(std::string(value[1]).size() + 1));
    RegCloseKey(key);
}

bool WholeCall::useFileStore(const std::string& path, size_t otherValues, std::string* error) {
    if (!writeSyntheticRegistry(path, otherValues)) {
        *error = "cannot write " + path;
        return false;
    }
    return portable::useRegistryFile(path, error);
}

std::string WholeCall::run() {
    scenario::ScenarioDriver person(steps_);
    person.start();
    std::string word = scenario::callEntryPoint(entry_, kBenchService).word;
    person.stop();
    return person.failure().empty() ? word : person.failure();
}
