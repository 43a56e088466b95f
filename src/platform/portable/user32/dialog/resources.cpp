// The dialog resources of the modules of the portable build, and DialogBoxParamA, which
// finds its template among them.
#include "platform/portable/user32/dialog/dialog_manager.h"
#include "platform/portable/portable.h"
#include "platform/portable/user32/user32_state.h"

#include <map>
#include <utility>
#include <vector>

namespace portable {

namespace {
using Key = std::pair<HMODULE, WORD>;
} // namespace

void registerDialogResource(HMODULE module, WORD id, const void* data, size_t size) {
    const BYTE* bytes = static_cast<const BYTE*>(data);
    user32.dialogResources[Key{module, id}] = std::vector<BYTE>(bytes, bytes + (bytes ? size : 0));
}

void unregisterResources(HMODULE module) {
    auto& map = user32.dialogResources;
    for (auto it = map.begin(); it != map.end();)
        it = it->first.first == module ? map.erase(it) : std::next(it);
}

} // namespace portable

extern "C" INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                                          DLGPROC dialogProc, LPARAM initParam) {
    using namespace portable;
    if (!IS_INTRESOURCE(templateName)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    WORD id = WORD(reinterpret_cast<uintptr_t>(templateName));
    auto it = user32.dialogResources.find(Key{instance, id});
    if (it == user32.dialogResources.end() || it->second.empty()) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    // The template is read whole before any window procedure runs, so the module may
    // unregister its resources from WM_INITDIALOG on.
    const std::vector<BYTE>& bytes = it->second;
    HWND dialog =
        createDialog(instance, bytes.data(), bytes.size(), owner, dialogProc, initParam, true);
    if (!dialog)
        return -1;
    return runModal(dialog);
}
