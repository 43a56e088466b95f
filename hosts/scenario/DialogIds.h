// The controls of the properties dialog that a person works with, by their template ids.
#pragma once

namespace scenario {

enum DialogId : int {
    kOkButton = 1,
    kCancelButton = 2,
    kPropertyList = 1095,
    kValueEdit = 1096,
    kValueCombo = 1097,
    kDefaultsButton = 1100,
    kPresentRadio = 1101,
    kNotPresentRadio = 1102,
    kValueSpin = 1106,
    kSpinEdit = 1107,
};

// A message box keeps its text in a static with this id and its icon in one with the other.
const unsigned kMessageBoxTextId = 0xFFFF;
const unsigned kMessageBoxIconId = 0x0440;

} // namespace scenario
