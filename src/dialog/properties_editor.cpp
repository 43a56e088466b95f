// The editor behaviour of the properties dialog: committing the editor being left, showing the
// editor of the selected property, the present / not-present switch and Defaults.
#include "dialog/properties_dlg.h"

#include "framework/app_message_box.h"
#include "params/decimal_number.h"
#include "params/text_compare.h"

namespace {

bool isAbsent(const ValueText* value) {
    return value != nullptr && value->equals(kAbsentMarker);
}

void showRangeMessage(const NumberRange& range) {
    AfxMessageBox(range.message, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

void CPropertiesDlg::OnSelchangePropertyList() {
    UpdateData(TRUE); // a List edit is committed here
    if (kind_ == ValueKind::kNumber && !defaultsApplied_ && !isAbsent(current_))
        CommitNumber();
    else if (kind_ == ValueKind::kText && !defaultsApplied_ && !isAbsent(current_))
        *current_ = editText_;
    ReadSelectedLabel();
    HideEditors();
    if (const PropertyRow* row = PropertyCatalogue::findByLabel(selectedLabel_.c_str()))
        ShowEditor(row->kind, row->id);
    if (kind_ == ValueKind::kText) {
        if (isAbsent(current_)) {
            editText_.clear();
            textEdit_.Clear();
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
    int32_t number = spin_.GetPos(&outOfRange);
    // The field's text is out of range or not a number: take the number the person typed.
    if (outOfRange && !CommitTypedNumber(&number))
        return;
    CorrectNumber(&number);
    char text[kDecimalTextSize];
    formatDecimalNumber(number, text);
    current_->assign(text);
}

// False when the field holds no digits: the display value stays, the range message shows.
bool CPropertiesDlg::CommitTypedNumber(int32_t* number) const {
    char text[ValueText::kCapacity];
    spinEdit_.GetWindowText(text, sizeof text);
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
    int selected = propertyList_.GetCurSel();
    if (selected != LB_ERR)
        propertyList_.GetText(selected, selectedLabel_.buffer(), ValueText::kCapacity);
}

void CPropertiesDlg::HideEditors() {
    ShowPresenceChoice(SW_HIDE);
    textEdit_.EnableWindow(TRUE);
    spin_.ShowWindow(SW_HIDE);
    spinEdit_.ShowWindow(SW_HIDE);
}

void CPropertiesDlg::ShowEditor(ValueKind kind, PropertyId id) {
    const PropertyRow& row = PropertyCatalogue::row(id);
    switch (kind) {
    case ValueKind::kText:
        ShowTextEditor(row);
        break;
    case ValueKind::kNumber:
        ShowNumberEditor(row);
        break;
    case ValueKind::kList:
        ShowListEditor(row);
        break;
    case ValueKind::kNone:
        break;
    }
}

void CPropertiesDlg::ShowTextEditor(const PropertyRow& row) {
    ShowPresenceChoice(SW_SHOW);
    kind_ = ValueKind::kText;
    valueCombo_.ShowWindow(SW_HIDE);
    textEdit_.ShowWindow(SW_SHOW);
    textEdit_.LimitText(row.typingLimit);
    current_ = &values_.display(row.id);
    ShowPresence(!isAbsent(current_));
}

void CPropertiesDlg::ShowNumberEditor(const PropertyRow& row) {
    valueCombo_.ShowWindow(SW_HIDE);
    textEdit_.ShowWindow(SW_HIDE);
    if (row.mayBeAbsent)
        ShowPresenceChoice(SW_SHOW);
    kind_ = ValueKind::kNumber;
    spin_.ShowWindow(SW_SHOW);
    spinEdit_.ShowWindow(SW_SHOW);
    spinEdit_.LimitText(row.typingLimit);
    spin_.SetBase(10);
    spin_.SetBuddy(spinEdit_);
    spin_.SetRange(static_cast<short>(row.range->minimum), static_cast<short>(row.range->maximum));
    current_ = &values_.display(row.id);
    if (!row.mayBeAbsent) {
        spinEdit_.EnableWindow(TRUE);
        spin_.EnableWindow(TRUE);
        spin_.SetPos(decimalNumber(current_->c_str()));
        return;
    }
    if (isAbsent(current_)) {
        spinEdit_.EnableWindow(FALSE);
        ShowPresence(false);
        return;
    }
    ShowPresence(true);
    spin_.SetPos(decimalNumber(current_->c_str()));
}

void CPropertiesDlg::ShowListEditor(const PropertyRow& row) {
    valueCombo_.ShowWindow(SW_SHOW);
    textEdit_.ShowWindow(SW_HIDE);
    valueCombo_.ResetContent();
    for (size_t i = 0; i < row.map->count; ++i)
        valueCombo_.AddString(row.map->labels[i]);
    kind_ = ValueKind::kList;
    current_ = &values_.display(row.id);
}

// The Present / Not present radios, shown or hidden together.
void CPropertiesDlg::ShowPresenceChoice(int show) {
    present_.ShowWindow(show);
    notPresent_.ShowWindow(show);
}

// Checks the radio that matches and runs its handler, as a click would.
void CPropertiesDlg::ShowPresence(bool present) {
    present_.SetCheck(present ? BST_CHECKED : BST_UNCHECKED);
    notPresent_.SetCheck(present ? BST_UNCHECKED : BST_CHECKED);
    if (present)
        OnPresent();
    else
        OnNotPresent();
}

void CPropertiesDlg::OnPresent() {
    if (isAbsent(current_))
        current_->assign("0");
    if (kind_ == ValueKind::kText) {
        textEdit_.EnableWindow(TRUE);
    } else if (kind_ == ValueKind::kNumber) {
        spinEdit_.EnableWindow(TRUE);
        spin_.EnableWindow(TRUE);
        spin_.SetPos(current_ != nullptr ? decimalNumber(current_->c_str()) : 0);
    }
}

void CPropertiesDlg::OnNotPresent() {
    textEdit_.EnableWindow(FALSE);
    spinEdit_.EnableWindow(FALSE);
    spin_.EnableWindow(FALSE);
    if (current_ != nullptr)
        current_->assign(kAbsentMarker);
    spin_.SetPos(0);
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
