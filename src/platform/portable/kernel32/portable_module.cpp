// The portable-only module API of portable_module.h.
#include "platform/portable/portable_module.h"

#include "platform/portable/kernel32/module_state.h"
#include "platform/portable/kernel32/module_table.h"

#include <atomic>
#include <mutex>

namespace portable {

namespace {

constexpr DWORD kWindows7 = 0x1DB10106; // 6.1, build 7601

std::atomic<DWORD> version{kWindows7};
std::mutex helpMutex;
WinHelpHandler helpHandler;

} // namespace

void setReportedVersion(DWORD reported) {
    version = reported;
}

void registerStandInLibrary(const std::string& name, StandInLibrary library) {
    auto& table = module::ModuleTable::instance();
    std::lock_guard<std::mutex> lock(table.mutex());
    table.registerStandIn(name, std::move(library));
}

void removeStandInLibraries() {
    auto& table = module::ModuleTable::instance();
    std::lock_guard<std::mutex> lock(table.mutex());
    table.removeStandIns();
}

void setWinHelpHandler(WinHelpHandler handler) {
    std::lock_guard<std::mutex> lock(helpMutex);
    helpHandler = std::move(handler);
}

namespace module {

DWORD reportedVersion() {
    return version;
}

BOOL callWinHelp(HWND window, const char* helpFile, UINT command, ULONG_PTR data) {
    WinHelpHandler handler;
    {
        std::lock_guard<std::mutex> lock(helpMutex);
        handler = helpHandler;
    }
    return handler ? handler(window, helpFile, command, data) : FALSE;
}

} // namespace module

} // namespace portable
