#include "dialog/properties_dlg.h"

#include "framework/app_message_box.h"
#include "resources/resource.h"

#include <cstring>

namespace {
const char invalidServiceName[] = "Invalid Service Name";
const char loadFailureCaption[] = "Error ";
const char saveFailureCaption[] = "PropPage Debug ";
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
    DDX_Control(dx, IDC_SPIN_EDIT, m_spinEdit);
    DDX_Control(dx, IDC_VALUE_SPIN, m_spin);
    DDX_Control(dx, IDC_PRESENT, m_present);
    DDX_Control(dx, IDC_NOT_PRESENT, m_notPresent);
    DDX_Control(dx, IDC_PROPERTY_LIST, m_propertyList);
    DDX_Control(dx, IDC_VALUE_EDIT, m_textEdit);
    DDX_Control(dx, IDC_VALUE_COMBO, m_valueCombo);
    DDX_CBString(dx, IDC_VALUE_COMBO, comboText_.buffer(), ValueText::Capacity);
    DDX_LBString(dx, IDC_PROPERTY_LIST, listText_.buffer(), ValueText::Capacity);
    DDX_Text(dx, IDC_VALUE_EDIT, editText_.buffer(), ValueText::Capacity);
    if (kind_ == ValueKind::List)
        ExchangeListValue(*dx);
}

// Commits a List edit (save) or shows the current label in the combo (load).
void CPropertiesDlg::ExchangeListValue(const CDataExchange& dx) {
    if (dx.m_bSaveAndValidate) {
        int selected = m_valueCombo.GetCurSel();
        if (selected != CB_ERR)
            m_valueCombo.GetLBText(selected, current_->buffer(), ValueText::Capacity);
        return;
    }
    int count = m_valueCombo.GetCount();
    for (int i = 0; i < count; ++i) {
        ValueText item;
        m_valueCombo.GetLBText(i, item.buffer(), ValueText::Capacity);
        if (current_->equals(item.c_str())) {
            m_valueCombo.SetCurSel(i);
            return;
        }
    }
    m_valueCombo.SetCurSel(0);
}

BOOL CPropertiesDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The open is issued before the list is filled; its result is looked at afterwards.
    LONG status = store_.OpenForReading();
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row)
        m_propertyList.AddString(row->label);
    m_propertyList.SetCurSel(0);
    if (status != ERROR_SUCCESS) {
        // The dialog stays up with the defaults and every control as the template lays it out.
        MessageBoxA(m_hWnd, invalidServiceName, loadFailureCaption, MB_OK | MB_ICONHAND);
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
        MessageBoxA(m_hWnd, invalidServiceName, saveFailureCaption, MB_OK | MB_ICONHAND);
        EndDialog(EndSaveFailed);
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
        EndDialog(EndSaveFailed);
        return;
    }
    CDialog::OnOK();
}
