// The properties dialog's layout as the product builds it (ids, classes, styles and rectangles
// of its controls), which the contract tests create so that the controls behave as they will in
// the product.
#pragma once

#include "resources/properties_template.h"
#include "resources/resource.h"

// The dialog frame and its twelve controls, in tab order. `style` is the dialog's own style.
inline platform::DialogTemplate propertiesLayout(DWORD style) {
    return resources::propertiesDialogTemplate(style);
}

// The eight property labels in the order the dialog adds them to its sorted list.
extern const char* const propertyLabels[8];
