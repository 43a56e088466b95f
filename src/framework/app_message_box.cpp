#include "framework/app_message_box.h"

#include "framework/win_app.h"

int AfxMessageBox(const char* text, UINT type) {
    return MessageBoxA(GetActiveWindow(), text, AfxGetAppName(), type);
}
