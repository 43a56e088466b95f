// The module's resources for the portable build: at load, the properties dialog's template is
// built from the same control list quorlan.rc compiles, and registered for this module.
#include "platform/dialog_template.h"
#include "platform/portable/portable.h"
#include "platform/win32.h"
#include "resources/properties_dialog.h"
#include "resources/resource.h"

#include <vector>

namespace {

using platform::DialogTemplate;

// The control classes the list names, as the template stores them.
constexpr DialogTemplate::ClassAtom CLASS_Button = DialogTemplate::Button;
constexpr DialogTemplate::ClassAtom CLASS_Edit = DialogTemplate::Edit;
constexpr DialogTemplate::ClassAtom CLASS_Static = DialogTemplate::Static;
constexpr DialogTemplate::ClassAtom CLASS_ListBox = DialogTemplate::ListBox;
constexpr DialogTemplate::ClassAtom CLASS_ComboBox = DialogTemplate::ComboBox;
constexpr const char* CLASS_UpDown = UPDOWN_CLASSA;

std::vector<BYTE> propertiesDialog() {
    DialogTemplate dialog(PROPERTIES_DIALOG_STYLE, PROPERTIES_DIALOG_CAPTION, PROPERTIES_DIALOG_X,
                          PROPERTIES_DIALOG_Y, PROPERTIES_DIALOG_WIDTH, PROPERTIES_DIALOG_HEIGHT);
    dialog.setFont(PROPERTIES_DIALOG_FONT_SIZE, PROPERTIES_DIALOG_FONT_FACE);
#define ADD_CONTROL(id, cls, text, style, x, y, cx, cy)                                            \
    dialog.addItem(CLASS_##cls, text, id, static_cast<DWORD>((style) | WS_CHILD | WS_VISIBLE), x,  \
                   y, cx, cy);
    PROPERTIES_DIALOG_CONTROLS(ADD_CONTROL)
#undef ADD_CONTROL
    return dialog.bytes();
}

HMODULE thisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&thisModule), &module);
    return module;
}

// Registered while the module is loaded, as a resource section would be.
struct Registration {
    Registration() : module(thisModule()) {
        std::vector<BYTE> bytes = propertiesDialog();
        portable::registerDialogResource(module, IDD_PROPERTIES, bytes.data(), bytes.size());
    }
    ~Registration() { portable::unregisterResources(module); }
    HMODULE module;
};

const Registration registration;

} // namespace
