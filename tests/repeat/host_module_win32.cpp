#include "host_module.h"

#include "tvxhost/dll_module.h"

bool loadHostModule(scenario::RunnerSettings* settings, std::string* error) {
    static DllModule module;
    if (!module.load("quorlan.dll", error))
        return false;
    settings->entry = module.entryPoint();
    settings->rebuildServiceKey = true;
    return true;
}
