// ComboBox: a drop-down list combo box (CBS_DROPDOWNLIST). Its window text is the selected
// item. A person's choice (a click in the dropped list, a key) sends CBN_SELCHANGE; CB_SETCURSEL
// and CB_SELECTSTRING made by code never notify (ComboBoxContract.CodeOperationsSendNothing).
#pragma once

#include "platform/portable/user32/controls/item_list.h"
#include "platform/portable/user32/windowing/window.h"

namespace portable {

class ComboBox : public Control {
  public:
    static constexpr int kFieldHeight = 12; // the selection field; the list drops below it
    static constexpr int kItemHeight = 8;

    LRESULT handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) override;

    const ItemList& items() const { return items_; }
    int selection() const { return items_.selection(); }
    bool dropped() const { return dropped_; }

  private:
    LRESULT create(Window& window);
    LRESULT getDlgCode(LPARAM msg) const;
    LRESULT selectString(int start, LPCSTR text);
    LRESULT getText(LPSTR buffer, int maxCount) const;
    void buttonDown(Window& window, LPARAM point);
    void keyDown(Window& window, WPARAM key);
    // Opens or closes the list, notifying CBN_DROPDOWN or CBN_CLOSEUP.
    void showDropDown(Window& window, bool show);
    // Selects by a person's action: notifies when the selection moved (nothing for -1).
    void select(Window& window, int index);

    ItemList items_;       // and the selection, CB_ERR (-1) for none
    bool dropped_ = false; // the list is shown
    int listHeight_ = 0;   // height of the dropped list, from the template
};

} // namespace portable
