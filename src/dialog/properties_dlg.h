// CPropertiesDlg: the properties dialog. The person picks one of the eight properties in the
// list and edits it with the editor of its kind; OK saves every value, Cancel nothing.
// properties_dlg.cpp holds the shell (exchange, initialisation, OK), properties_editor.cpp
// the editor behaviour; params/parameter_store.cpp reads and writes the registry.
#pragma once

#include "params/parameter_store.h"
#include "framework/button.h"
#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "framework/edit.h"
#include "framework/list_box.h"
#include "framework/spin_button_ctrl.h"
#include "params/property_values.h"
#include "params/value_kind.h"

class CPropertiesDlg : public CDialog {
  public:
    // The end value of a dialog whose values could not all be saved: neither IDOK nor
    // IDCANCEL, so the call reports "Error".
    static constexpr INT_PTR kEndSaveFailed = 0x100;

    CPropertiesDlg(const char* serviceName, CWnd* parent);

    const PropertyValues& values() const { return values_; }
    const char* keyPath() const { return store_.keyPath(); }

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    // Handlers (properties_editor.cpp).
    void OnSelchangePropertyList();
    void OnPresent();
    void OnNotPresent();
    void OnDefaults();
    void OnDeltaposValueSpin(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

  private:
    void ExchangeListValue(const CDataExchange& dx);
    void SaveValues();

    // Editor steps (properties_editor.cpp).
    void CommitNumber();
    bool CommitTypedNumber(int32_t* number) const;
    void CorrectNumber(int32_t* number) const;
    void ReadSelectedLabel();
    void HideEditors();
    void ShowEditor(ValueKind kind, PropertyId id);
    void ShowTextEditor(const PropertyRow& row);
    void ShowNumberEditor(const PropertyRow& row);
    void ShowListEditor(const PropertyRow& row);
    void ShowPresenceChoice(int show);
    void ShowPresence(bool present);

    CEdit spinEdit_;
    CSpinButtonCtrl spin_;
    CButton present_;
    CButton notPresent_;
    CListBox propertyList_;
    CEdit textEdit_;
    CComboBox valueCombo_;
    ValueText comboText_; // exchanged with the value combo
    ValueText listText_;  // exchanged with the property list
    ValueText editText_;  // exchanged with the text edit
    ParameterStore store_;
    ValueText* current_ = nullptr; // display value of the property whose editor shows
    ValueKind kind_ = ValueKind::kNone;
    bool defaultsApplied_ = false; // set by Defaults for one selection handling
    PropertyValues values_;
    ValueText selectedLabel_; // list text of the selected property
};
