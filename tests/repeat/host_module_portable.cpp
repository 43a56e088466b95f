#include "host_module.h"

#include "platform/portable/portable.h"
#include "setup/shared_object_module.h"

bool loadHostModule(scenario::RunnerSettings* settings, std::string* error) {
    static SharedObjectModule module;
    if (!module.load(SharedObjectModule::defaultPath(), error))
        return false;
    settings->entry = module.entryPoint();
    settings->rebuildServiceKey = true;
    settings->beforeEach = [] { portable::useMemoryRegistry(); };
    return true;
}
