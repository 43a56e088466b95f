#include "ControlClasses.h"

#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ListBox.h"
#include "Static.h"
#include "UpDown.h"
#include "platform/portable/windowing/WindowSystem.h"

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
