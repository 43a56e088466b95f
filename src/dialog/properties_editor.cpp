// The editor behaviour of the properties dialog: committing the editor being left, showing the
// editor of the selected property, the present / not-present switch and Defaults.
#include "dialog/properties_dlg.h"

#include "framework/app_message_box.h"
#include "params/decimal_number.h"
#include "params/text_compare.h"

namespace {

bool isAbsent(const ValueText* value) {
    return value != nullptr && value->equals(AbsentMarker);
}

void showRangeMessage(const NumberRange& range) {
    AfxMessageBox(range.message, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

void CPropertiesDlg::OnSelchangePropertyList() {
    UpdateData(TRUE); // a List edit is committed here
    if (kind_ == ValueKind::Number && !defaultsApplied_ && !isAbsent(current_))
        CommitNumber();
    else if (kind_ == ValueKind::Text && !defaultsApplied_ && !isAbsent(current_))
        *current_ = editText_;
    ReadSelectedLabel();
    HideEditors();
    if (const PropertyRow* row = PropertyCatalogue::findByLabel(selectedLabel_.c_str()))
        ShowEditor(row->kind, row->id);
    if (kind_ == ValueKind::Text) {
        if (isAbsent(current_)) {
            editText_.clear();
            m_textEdit.Clear();
        } else {
            editText_ = *current_;
        }
    }
    defaultsApplied_ = false;
    UpdateData(FALSE);
}

// The number the up-down control holds, corrected into the range of the property being left
// (still the selected label) and written back as decimal text.
void CPropertiesDlg::CommitNumber() {
    BOOL outOfRange = FALSE;
    int32_t number = m_spin.GetPos(&outOfRange);
    // The field's text is out of range or not a number: take the number the person typed.
    if (outOfRange && !CommitTypedNumber(&number))
        return;
    CorrectNumber(&number);
    char text[DecimalTextSize];
    formatDecimalNumber(number, text);
    current_->assign(text);
}

// False when the field holds no digits: the display value stays, the range message shows.
bool CPropertiesDlg::CommitTypedNumber(int32_t* number) const {
    char text[ValueText::Capacity];
    m_spinEdit.GetWindowText(text, sizeof text);
    DecimalNumber typed = parseDecimalNumber(text);
    if (typed.hasDigits) {
        *number = typed.value;
        return true;
    }
    const PropertyRow* row = PropertyCatalogue::findByLabel(selectedLabel_.c_str());
    if (row != nullptr && row->range != nullptr)
        showRangeMessage(*row->range);
    return false;
}

void CPropertiesDlg::CorrectNumber(int32_t* number) const {
    const PropertyRow* row = PropertyCatalogue::findByLabel(selectedLabel_.c_str());
    if (row == nullptr || row->range == nullptr)
        return;
    CorrectedNumber corrected = correctIntoRange(*row->range, *number);
    *number = corrected.number;
    if (corrected.showMessage)
        showRangeMessage(*row->range);
}

void CPropertiesDlg::ReadSelectedLabel() {
    selectedLabel_.clear();
    int selected = m_propertyList.GetCurSel();
    if (selected != LB_ERR)
        m_propertyList.GetText(selected, selectedLabel_.buffer(), ValueText::Capacity);
}

void CPropertiesDlg::HideEditors() {
    m_present.ShowWindow(SW_HIDE);
    m_notPresent.ShowWindow(SW_HIDE);
    m_textEdit.EnableWindow(TRUE);
    m_spin.ShowWindow(SW_HIDE);
    m_spinEdit.ShowWindow(SW_HIDE);
}

void CPropertiesDlg::ShowEditor(ValueKind kind, PropertyId id) {
    const PropertyRow& row = PropertyCatalogue::row(id);
    switch (kind) {
    case ValueKind::Text:
        ShowTextEditor(row);
        break;
    case ValueKind::Number:
        ShowNumberEditor(row);
        break;
    case ValueKind::List:
        ShowListEditor(row);
        break;
    case ValueKind::None:
        break;
    }
}

void CPropertiesDlg::ShowTextEditor(const PropertyRow& row) {
    m_present.ShowWindow(SW_SHOW);
    m_notPresent.ShowWindow(SW_SHOW);
    kind_ = ValueKind::Text;
    m_valueCombo.ShowWindow(SW_HIDE);
    m_textEdit.ShowWindow(SW_SHOW);
    m_textEdit.LimitText(row.typingLimit);
    current_ = &values_.display(row.id);
    ShowPresence(!isAbsent(current_));
}

void CPropertiesDlg::ShowNumberEditor(const PropertyRow& row) {
    m_valueCombo.ShowWindow(SW_HIDE);
    m_textEdit.ShowWindow(SW_HIDE);
    if (row.mayBeAbsent) {
        m_present.ShowWindow(SW_SHOW);
        m_notPresent.ShowWindow(SW_SHOW);
    }
    kind_ = ValueKind::Number;
    m_spin.ShowWindow(SW_SHOW);
    m_spinEdit.ShowWindow(SW_SHOW);
    m_spinEdit.LimitText(row.typingLimit);
    m_spin.SetBase(10);
    m_spin.SetBuddy(m_spinEdit);
    m_spin.SetRange(static_cast<short>(row.range->minimum), static_cast<short>(row.range->maximum));
    current_ = &values_.display(row.id);
    if (!row.mayBeAbsent) {
        m_spinEdit.EnableWindow(TRUE);
        m_spin.EnableWindow(TRUE);
        m_spin.SetPos(decimalNumber(current_->c_str()));
        return;
    }
    if (isAbsent(current_)) {
        m_spinEdit.EnableWindow(FALSE);
        ShowPresence(false);
        return;
    }
    ShowPresence(true);
    m_spin.SetPos(decimalNumber(current_->c_str()));
}

void CPropertiesDlg::ShowListEditor(const PropertyRow& row) {
    m_valueCombo.ShowWindow(SW_SHOW);
    m_textEdit.ShowWindow(SW_HIDE);
    m_valueCombo.ResetContent();
    for (size_t i = 0; i < row.map->count; ++i)
        m_valueCombo.AddString(row.map->labels[i]);
    kind_ = ValueKind::List;
    current_ = &values_.display(row.id);
}

// Checks the radio that matches and runs its handler, as a click would.
void CPropertiesDlg::ShowPresence(bool present) {
    m_present.SetCheck(present ? BST_CHECKED : BST_UNCHECKED);
    m_notPresent.SetCheck(present ? BST_UNCHECKED : BST_CHECKED);
    if (present)
        OnPresent();
    else
        OnNotPresent();
}

void CPropertiesDlg::OnPresent() {
    if (isAbsent(current_))
        current_->assign("0");
    if (kind_ == ValueKind::Text) {
        m_textEdit.EnableWindow(TRUE);
    } else if (kind_ == ValueKind::Number) {
        m_spinEdit.EnableWindow(TRUE);
        m_spin.EnableWindow(TRUE);
        m_spin.SetPos(current_ != nullptr ? decimalNumber(current_->c_str()) : 0);
    }
}

void CPropertiesDlg::OnNotPresent() {
    m_textEdit.EnableWindow(FALSE);
    m_spinEdit.EnableWindow(FALSE);
    m_spin.EnableWindow(FALSE);
    if (current_ != nullptr)
        current_->assign(AbsentMarker);
    m_spin.SetPos(0);
}

void CPropertiesDlg::OnDefaults() {
    values_.setDefaults();
    defaultsApplied_ = true;
    UpdateData(FALSE); // a showing List editor selects its default label
    OnSelchangePropertyList();
}

void CPropertiesDlg::OnDeltaposValueSpin(NMHDR*, LRESULT* result) {
    *result = 0;
}
