/* The properties dialog IDD_PROPERTIES, written once: quorlan.rc expands it into a DIALOG
 * resource and the portable build into DLGTEMPLATE bytes. Rectangles are in dialog units.
 * Every control also has WS_CHILD | WS_VISIBLE, added by the expansions.
 * The three value editors (1096, 1097, 1107) lie on top of one another; the radios form one
 * group, from the first WS_GROUP static up to the second. */
#pragma once

#define PROPERTIES_DIALOG_STYLE (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT)
#define PROPERTIES_DIALOG_CAPTION "Tavrix QK61450 Veloxa Properties"
#define PROPERTIES_DIALOG_FONT_SIZE 8
#define PROPERTIES_DIALOG_FONT_FACE "MS Sans Serif"
#define PROPERTIES_DIALOG_X 0
#define PROPERTIES_DIALOG_Y 0
#define PROPERTIES_DIALOG_WIDTH 248
#define PROPERTIES_DIALOG_HEIGHT 143

/* X(id, class, text, style, x, y, width, height), in tab order. The class is one of Button,
 * Edit, Static, ListBox, ComboBox, UpDown. */
#define PROPERTIES_DIALOG_CONTROLS(X)                                                              \
    X(IDOK, Button, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 131, 119, 50, 14)                         \
    X(IDCANCEL, Button, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 189, 119, 50, 14)                    \
    X(IDC_PROPERTY_LIST, ListBox, "",                                                              \
      LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 14, 29,  \
      103, 104)                                                                                    \
    X(IDC_STATIC, Static, "Select the property to configure", SS_LEFT | WS_GROUP, 13, 15, 127, 10) \
    X(IDC_VALUE_EDIT, Edit, "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 149, 31, 75, 13)          \
    X(IDC_VALUE_COMBO, ComboBox, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 150, 31, 75, 67)  \
    X(IDC_DEFAULTS, Button, "&Defaults", BS_PUSHBUTTON | WS_TABSTOP, 149, 75, 42, 12)              \
    X(IDC_PRESENT, Button, "", BS_AUTORADIOBUTTON, 133, 33, 10, 8)                                 \
    X(IDC_NOT_PRESENT, Button, "  Disable", BS_AUTORADIOBUTTON, 133, 48, 65, 10)                   \
    X(IDC_VALUE_SPIN, UpDown, "Spin1", UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 225, 31, \
      11, 12)                                                                                      \
    X(IDC_SPIN_EDIT, Edit, "", ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 149, 31, 75,   \
      12)                                                                                          \
    X(IDC_STATIC, Static, "Value", SS_LEFT | WS_GROUP, 150, 16, 40, 10)
