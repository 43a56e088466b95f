// The portable-only module API of portable_module.h.
#include "platform/portable/portable_module.h"

#include "platform/portable/kernel32/kernel32_state.h"

namespace portable {

void setReportedVersion(DWORD reported) {
    kernel32.version = reported;
}

void registerStandInLibrary(const std::string& name, StandInLibrary library) {
    auto& table = kernel32.modules;
    std::lock_guard<std::mutex> lock(table.mutex());
    table.registerStandIn(name, std::move(library));
}

void removeStandInLibraries() {
    auto& table = kernel32.modules;
    std::lock_guard<std::mutex> lock(table.mutex());
    table.removeStandIns();
}

void setWinHelpHandler(WinHelpHandler handler) {
    std::lock_guard<std::mutex> lock(kernel32.helpMutex);
    kernel32.help = std::move(handler);
}

} // namespace portable
