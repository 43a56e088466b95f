#include "entry/entry_point.h"

#include "dialog/properties_dlg.h"
#include "entry/result_text.h"
#include "framework/app_message_box.h"
#include "params/parameters_key.h"

#include <string>

namespace {

const char resultError[] = "Error";

// Opens the service's Parameters key with default access and closes it again at once.
LONG checkParametersKey(const std::string& service) {
    HKEY key = nullptr;
    LONG status = RegOpenKeyA(HKEY_LOCAL_MACHINE, parametersKeyPath(service.c_str()).c_str(), &key);
    if (status == ERROR_SUCCESS)
        RegCloseKey(key);
    return status;
}

void runDialog(const std::string& service) {
    CPropertiesDlg dialog(service.c_str(), nullptr);
    switch (dialog.DoModal()) {
    case IDOK:
        setResultText("OK");
        break;
    case IDCANCEL:
        setResultText("Cancel");
        break;
    default: // -1 (no dialog) or a failed save
        break;
    }
}

} // namespace

extern "C" BOOL WINAPI TVXConfigEntryPoint(DWORD argc, LPSTR* argv, LPSTR* textOut) {
    // Without a place to hand the result to, nobody would learn what the dialog did.
    if (textOut == nullptr) {
        setResultText(resultError);
        return TRUE;
    }
    *textOut = ResultText;
    if (argc == 0 || argv == nullptr || argv[0] == nullptr) {
        setResultText(resultError);
        return TRUE;
    }
    const std::string service(argv[0]);
    setResultText(resultError);
    if (checkParametersKey(service) != ERROR_SUCCESS) {
        AfxMessageBox("Fatal Error: Registry Key not found", MB_OK | MB_ICONHAND);
        return TRUE;
    }
    runDialog(service);
    return TRUE;
}
