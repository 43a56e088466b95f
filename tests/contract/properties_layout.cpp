#include "properties_layout.h"

const char* const propertyLabels[8] = {
    "Address",
    "VLAN ID",
    "Media Type",
    "Pause Control",
    "Packet Size (maximum)",
    "Receive Buffers",
    "IEEE Compliant Link",
    "Priority Queues",
};

platform::DialogTemplate propertiesLayout(DWORD style) {
    using T = platform::DialogTemplate;
    const DWORD child = WS_CHILD | WS_VISIBLE;
    T t(style, "Tavrix QK61450 Veloxa Properties", 0, 0, 248, 143);
    t.setFont(8, "MS Sans Serif");
    t.addItem(T::Button, "OK", IDOK, child | BS_DEFPUSHBUTTON | WS_TABSTOP, 131, 119, 50, 14);
    t.addItem(T::Button, "Cancel", IDCANCEL, child | BS_PUSHBUTTON | WS_TABSTOP, 189, 119, 50, 14);
    t.addItem(T::ListBox, "", idPropertyList,
              child | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER |
                  WS_TABSTOP,
              14, 29, 103, 104);
    t.addItem(T::Static, "Select the property to configure", -1, child | SS_LEFT | WS_GROUP, 13, 15,
              127, 10);
    t.addItem(T::Edit, "", idValueEdit, child | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 149, 31,
              75, 13);
    t.addItem(T::ComboBox, "", idValueCombo, child | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
              150, 31, 75, 67);
    t.addItem(T::Button, "&Defaults", idDefaults, child | BS_PUSHBUTTON | WS_TABSTOP, 149, 75, 42,
              12);
    t.addItem(T::Button, "", idPresent, child | BS_AUTORADIOBUTTON, 133, 33, 10, 8);
    t.addItem(T::Button, "  Disable", idNotPresent, child | BS_AUTORADIOBUTTON, 133, 48, 65, 10);
    t.addItem("msctls_updown32", "Spin1", idValueSpin,
              child | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 225, 31, 11, 12);
    t.addItem(T::Edit, "", idSpinEdit, child | ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
              149, 31, 75, 12);
    t.addItem(T::Static, "Value", -1, child | SS_LEFT | WS_GROUP, 150, 16, 40, 10);
    return t;
}
