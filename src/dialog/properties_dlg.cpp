#include "dialog/properties_dlg.h"

#include "framework/app_message_box.h"
#include "resources/resource.h"

#include <cstring>

namespace {
const char kInvalidServiceName[] = "Invalid Service Name";
const char kLoadFailureCaption[] = "Error ";
const char kSaveFailureCaption[] = "PropPage Debug ";
} // namespace

BEGIN_MESSAGE_MAP(CPropertiesDlg, CDialog)
ON_BN_CLICKED(IDC_DEFAULTS, OnDefaults)
ON_LBN_SELCHANGE(IDC_PROPERTY_LIST, OnSelchangePropertyList)
ON_BN_CLICKED(IDC_PRESENT, OnPresent)
ON_BN_CLICKED(IDC_NOT_PRESENT, OnNotPresent)
ON_NOTIFY(UDN_DELTAPOS, IDC_VALUE_SPIN, OnDeltaposValueSpin)
END_MESSAGE_MAP()

CPropertiesDlg::CPropertiesDlg(const char* serviceName, CWnd* parent)
    : CDialog(IDD_PROPERTIES, parent), store_(serviceName) {}

void CPropertiesDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_SPIN_EDIT, spinEdit_);
    DDX_Control(dx, IDC_VALUE_SPIN, spin_);
    DDX_Control(dx, IDC_PRESENT, present_);
    DDX_Control(dx, IDC_NOT_PRESENT, notPresent_);
    DDX_Control(dx, IDC_PROPERTY_LIST, propertyList_);
    DDX_Control(dx, IDC_VALUE_EDIT, textEdit_);
    DDX_Control(dx, IDC_VALUE_COMBO, valueCombo_);
    DDX_CBString(dx, IDC_VALUE_COMBO, comboText_.buffer(), ValueText::kCapacity);
    DDX_LBString(dx, IDC_PROPERTY_LIST, listText_.buffer(), ValueText::kCapacity);
    DDX_Text(dx, IDC_VALUE_EDIT, editText_.buffer(), ValueText::kCapacity);
    if (kind_ == ValueKind::kList)
        ExchangeListValue(*dx);
}

// Commits a List edit (save) or shows the current label in the combo (load).
void CPropertiesDlg::ExchangeListValue(const CDataExchange& dx) {
    if (dx.m_bSaveAndValidate) {
        int selected = valueCombo_.GetCurSel();
        if (selected != CB_ERR)
            valueCombo_.GetLBText(selected, current_->buffer(), ValueText::kCapacity);
        return;
    }
    int count = valueCombo_.GetCount();
    for (int i = 0; i < count; ++i) {
        ValueText item;
        valueCombo_.GetLBText(i, item.buffer(), ValueText::kCapacity);
        if (current_->equals(item.c_str())) {
            valueCombo_.SetCurSel(i);
            return;
        }
    }
    valueCombo_.SetCurSel(0);
}

BOOL CPropertiesDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The open is issued before the list is filled; its result is looked at afterwards.
    LONG status = store_.OpenForReading();
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row)
        propertyList_.AddString(row->label);
    propertyList_.SetCurSel(0);
    if (status != ERROR_SUCCESS) {
        // The dialog stays up with the defaults and every control as the template lays it out.
        MessageBoxA(m_hWnd, kInvalidServiceName, kLoadFailureCaption, MB_OK | MB_ICONHAND);
        return static_cast<BOOL>(status);
    }
    store_.Read(values_);
    values_.displayFromStored();
    OnSelchangePropertyList();
    store_.Close();
    return TRUE;
}

void CPropertiesDlg::OnOK() {
    LONG status = store_.OpenForWriting();
    OnSelchangePropertyList(); // commits the editor that is showing
    if (status != ERROR_SUCCESS) {
        MessageBoxA(m_hWnd, kInvalidServiceName, kSaveFailureCaption, MB_OK | MB_ICONHAND);
        EndDialog(kEndSaveFailed);
        return;
    }
    SaveValues();
}

void CPropertiesDlg::SaveValues() {
    values_.storedFromDisplay();
    char message[128] = "Could not save ";
    size_t prefix = std::strlen(message);
    if (!store_.Write(values_, message + prefix, sizeof message - prefix)) {
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        EndDialog(kEndSaveFailed);
        return;
    }
    CDialog::OnOK();
}
