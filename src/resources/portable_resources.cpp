// The module's resources for the portable build: at load, the properties dialog's template is
// built from the same control list quorlan.rc compiles, and registered for this module.
#include "platform/own_module.h"
#include "platform/portable/portable.h"
#include "platform/win32.h"
#include "resources/properties_template.h"
#include "resources/resource.h"

#include <vector>

namespace {

// Registered while the module is loaded, as a resource section would be.
struct Registration {
    Registration() : module(ownModule()) {
        std::vector<BYTE> bytes = resources::propertiesDialogTemplate().bytes();
        portable::registerDialogResource(module, IDD_PROPERTIES, bytes.data(), bytes.size());
    }
    ~Registration() { portable::unregisterResources(module); }
    HMODULE module;
};

const Registration registration;

} // namespace
