#include "host_module.h"

#include "scenario/run/entry_module.h"

bool loadHostModule(scenario::RunnerSettings* settings, std::string* error) {
    static scenario::EntryModule module;
    if (!module.load(scenario::EntryModule::defaultPath(), error))
        return false;
    settings->entry = module.entryPoint();
    settings->rebuildServiceKey = true;
    settings->beforeEach = registryBeforeEachCall();
    return true;
}
