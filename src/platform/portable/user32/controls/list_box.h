// ListBox: a single-selection list box. A click or a key selects and, with LBS_NOTIFY, sends
// LBN_SELCHANGE, even on the selected item (ListBoxContract.ClickOnTheSelectedItemNotifiesAgain);
// LB_SETCURSEL and LB_SELECTSTRING made by code never notify (ListBoxContract.CodeOperations-
// SendNothing).
#pragma once

#include "platform/portable/user32/controls/item_list.h"
#include "platform/portable/user32/windowing/window.h"

namespace portable {

class ListBox : public Control {
  public:
    static constexpr int kItemHeight = 8; // one text row

    LRESULT handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) override;

    const ItemList& items() const { return items_; }
    int selection() const { return items_.selection(); }
    int topIndex() const { return top_; }

  private:
    LRESULT addString(const Window& window, LPCSTR text);
    LRESULT insertString(int index, LPCSTR text);
    LRESULT deleteString(int index);
    LRESULT setCurSel(const Window& window, int index);
    LRESULT selectString(const Window& window, int start, LPCSTR text);
    LRESULT getItemRect(const Window& window, int index, LPRECT rect) const;
    LRESULT itemFromPoint(const Window& window, LPARAM point) const;
    void buttonDown(Window& window, LPARAM point);
    void buttonUp(Window& window);
    void keyDown(Window& window, WPARAM key);
    // Selects by a person's action: notifies when the selection moved (nothing for -1).
    void select(Window& window, int index);
    void scrollIntoView(const Window& window);
    int pageSize(const Window& window) const;

    ItemList items_;        // and the selection, LB_ERR (-1) for none
    int top_ = 0;           // first visible item
    bool captured_ = false; // the mouse button went down on the list
};

} // namespace portable
