#include "entry/config_app.h"

#include "framework/control_container.h"

namespace {

// The first Windows version whose controls draw themselves in three dimensions.
const BYTE firstVersionWith3dControls = 4;

const WORD ordinalRegister = 12;
const WORD ordinalUnregister = 13;
const WORD ordinalAutoSubclass = 16;

} // namespace

// The one application object of the module, constructed with no application name.
CConfigApp theConfigApp AFX_APP_OBJECT_INIT;

BEGIN_MESSAGE_MAP(CConfigApp, CWinApp)
ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CConfigApp::InitInstance() {
    AfxEnableControlContainer();
    // The major version is the low byte of the version word.
    if (LOBYTE(LOWORD(GetVersion())) < firstVersionWith3dControls)
        Enable3dControls();
    return CWinApp::InitInstance();
}

int CConfigApp::ExitInstance() {
    if (ctl3d_ != nullptr && ctl3dUnregister_ != nullptr)
        ctl3dUnregister_(m_hInstance);
    return CWinApp::ExitInstance();
}

// A missing library or entry point is not reported: the dialogs keep the flat look.
void CConfigApp::Enable3dControls() {
    ctl3d_ = LoadLibraryA("CTL3D32.DLL");
    if (ctl3d_ == nullptr)
        return;
    ctl3dRegister_ = Ctl3dEntry(ctl3d_, ordinalRegister);
    ctl3dUnregister_ = Ctl3dEntry(ctl3d_, ordinalUnregister);
    ctl3dAutoSubclass_ = Ctl3dEntry(ctl3d_, ordinalAutoSubclass);
    if (ctl3dRegister_ != nullptr)
        ctl3dRegister_(m_hInstance);
    if (ctl3dAutoSubclass_ != nullptr)
        ctl3dAutoSubclass_(m_hInstance);
}

CConfigApp::Ctl3dFunction CConfigApp::Ctl3dEntry(HMODULE library, WORD ordinal) {
    FARPROC entry = GetProcAddress(library, MAKEINTRESOURCEA(ordinal));
    // Through the generic function type, the one every function pointer casts to cleanly.
    return reinterpret_cast<Ctl3dFunction>(reinterpret_cast<void (*)()>(entry));
}
