#include "module_attachment.h"

#include "framework/win_app.h"

namespace {

HINSTANCE programModule() {
    return AfxModuleContaining(reinterpret_cast<const void*>(&programModule));
}

} // namespace

void attachProgramAsModule() {
    AfxAttachModule(programModule());
}
