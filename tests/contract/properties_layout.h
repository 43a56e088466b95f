// The properties dialog's layout (ids, classes, styles and rectangles of its controls), which the
// contract tests create so that the controls behave as they will in the product.
#pragma once

#include "platform/dialog_template.h"

enum PropertiesControl : int {
    idPropertyList = 1095,
    idValueEdit = 1096,
    idValueCombo = 1097,
    idDefaults = 1100,
    idPresent = 1101,
    idNotPresent = 1102,
    idValueSpin = 1106,
    idSpinEdit = 1107,
};

// The dialog frame and its twelve controls, in tab order. `style` is the dialog's own style.
platform::DialogTemplate propertiesLayout(DWORD style);

// The eight property labels in the order the dialog adds them to its sorted list.
extern const char* const propertyLabels[8];
