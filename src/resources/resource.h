/* Identifiers of the module's resources: included by quorlan.rc and by C++. */
#pragma once

#define IDD_PROPERTIES 107

#define IDC_PROPERTY_LIST 1095
#define IDC_VALUE_EDIT 1096
#define IDC_VALUE_COMBO 1097
#define IDC_DEFAULTS 1100
#define IDC_PRESENT 1101
#define IDC_NOT_PRESENT 1102
#define IDC_VALUE_SPIN 1106
#define IDC_SPIN_EDIT 1107
#define IDC_STATIC -1
