#include "module_attachment.h"

#include "framework/win_app.h"

namespace {

HINSTANCE programModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&programModule), &module);
    return module;
}

} // namespace

void attachProgramAsModule() {
    AfxAttachModule(programModule());
}
