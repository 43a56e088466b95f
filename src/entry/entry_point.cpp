#include "entry/entry_point.h"

#include "params/parameter_store.h"
#include "dialog/properties_dlg.h"
#include "entry/result_text.h"
#include "framework/app_message_box.h"

namespace {

const char resultError[] = "Error";

// Opens the service's Parameters key with default access and closes it again at once.
LONG checkParametersKey(const char* service) {
    ParameterStore store(service);
    return store.OpenForReading(); // the key is closed with the store
}

void runDialog(const char* service) {
    CPropertiesDlg dialog(service, nullptr);
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
    const char* service = argv[0];
    setResultText(resultError);
    if (checkParametersKey(service) != ERROR_SUCCESS) {
        AfxMessageBox("Fatal Error: Registry Key not found", MB_OK | MB_ICONHAND);
        return TRUE;
    }
    runDialog(service);
    return TRUE;
}
