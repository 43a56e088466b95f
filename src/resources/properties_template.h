// The properties dialog as a DialogTemplate, built from the control list quorlan.rc compiles:
// the portable build registers its bytes as the module's resource, and tests create the very
// same dialog without loading the module.
#pragma once

#include "platform/dialog_template.h"
#include "resources/properties_dialog.h"
#include "resources/resource.h"

namespace resources {

// The control classes the list names, as the template stores them.
namespace control_class {
constexpr platform::DialogTemplate::ClassAtom Button = platform::DialogTemplate::Button;
constexpr platform::DialogTemplate::ClassAtom Edit = platform::DialogTemplate::Edit;
constexpr platform::DialogTemplate::ClassAtom Static = platform::DialogTemplate::Static;
constexpr platform::DialogTemplate::ClassAtom ListBox = platform::DialogTemplate::ListBox;
constexpr platform::DialogTemplate::ClassAtom ComboBox = platform::DialogTemplate::ComboBox;
constexpr const char* UpDown = UPDOWN_CLASSA;
} // namespace control_class

// The dialog frame with `style` (the resource's own by default) and its twelve controls, in tab
// order, each with WS_CHILD | WS_VISIBLE.
inline platform::DialogTemplate propertiesDialogTemplate(DWORD style = PROPERTIES_DIALOG_STYLE) {
    platform::DialogTemplate dialog(style, PROPERTIES_DIALOG_CAPTION, PROPERTIES_DIALOG_X,
                                    PROPERTIES_DIALOG_Y, PROPERTIES_DIALOG_WIDTH,
                                    PROPERTIES_DIALOG_HEIGHT);
    dialog.setFont(PROPERTIES_DIALOG_FONT_SIZE, PROPERTIES_DIALOG_FONT_FACE);
#define QUORLAN_ADD_CONTROL(id, cls, text, controlStyle, x, y, cx, cy)                             \
    dialog.addItem(control_class::cls, text, id,                                                   \
                   static_cast<DWORD>((controlStyle) | WS_CHILD | WS_VISIBLE), x, y, cx, cy);
    PROPERTIES_DIALOG_CONTROLS(QUORLAN_ADD_CONTROL)
#undef QUORLAN_ADD_CONTROL
    return dialog;
}

} // namespace resources
