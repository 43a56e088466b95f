#include "platform/portable/user32/controls/control_classes.h"

#include "platform/portable/user32/controls/button.h"
#include "platform/portable/user32/controls/combo_box.h"
#include "platform/portable/user32/controls/edit.h"
#include "platform/portable/user32/controls/list_box.h"
#include "platform/portable/user32/controls/static.h"
#include "platform/portable/comctl32/up_down.h"
#include "platform/portable/user32/windowing/window_system.h"

namespace portable {

namespace {
template <class T> ControlFactory make() {
    return [] { return std::unique_ptr<Control>(new T()); };
}
} // namespace

void registerControlClasses() {
    registerWindowClass("Button", controlWindowProc, make<Button>());
    registerWindowClass("Edit", controlWindowProc, make<Edit>());
    registerWindowClass("Static", controlWindowProc, make<Static>());
    registerWindowClass("ListBox", controlWindowProc, make<ListBox>());
    registerWindowClass("ComboBox", controlWindowProc, make<ComboBox>());
    registerWindowClass(UPDOWN_CLASSA, controlWindowProc, make<UpDown>());
}

} // namespace portable
