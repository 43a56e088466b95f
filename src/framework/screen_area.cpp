#include "framework/screen_area.h"

#include "framework/system_entry.h"

namespace {

using SystemParametersInfoFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);

} // namespace

AfxScreenAreaSource AfxGetScreenArea(RECT& area) {
    // Windows NT 3.51 exports the function but fails the request. It is looked up all the same,
    // so that a test can stand in for a Windows that fails it.
    auto parameters =
        AfxSystemEntry<SystemParametersInfoFunction>("USER32.DLL", "SystemParametersInfoA");
    if (parameters != nullptr && parameters(SPI_GETWORKAREA, 0, &area, 0))
        return AfxScreenAreaSource::workArea;
    area = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return AfxScreenAreaSource::wholeScreen;
}
