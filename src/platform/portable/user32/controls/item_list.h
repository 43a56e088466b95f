// ItemList: the strings of a list box or of a combo box's list, in the order the control keeps
// them, the one selected item, and the searches and moves of the selection both controls offer.
// Its answers use -1 for "no item", which is what both controls answer too (LB_ERR, CB_ERR).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace portable {

// Compares as the system's list sorting does: without case, word sort (hyphens and apostrophes
// ignored), blanks before punctuation before digits before letters.
int collate(std::string_view a, std::string_view b);

class ItemList {
  public:
    // Appends, or inserts in collation order when sorted; returns the index. Adding, inserting
    // and removing keep the selection on its item; removing the selected item selects none.
    int add(std::string_view text, bool sorted);
    // Inserts at index (-1: at the end); -1 when the index is past the end.
    int insert(int index, std::string_view text);
    bool remove(int index);
    // Keeps the memory: a list refilled after clearing makes no allocations. Selects none.
    void clear() {
        items_.clear();
        chars_.clear();
        live_ = 0;
        selected_ = -1;
    }

    int count() const { return int(items_.size()); }
    bool valid(int index) const { return index >= 0 && index < count(); }
    // The item's text, followed by a NUL; valid until the list changes.
    std::string_view at(int index) const {
        const Item& item = items_[size_t(index)];
        return std::string_view(chars_.data() + item.offset, item.length);
    }

    // The item's length; -1 when there is no such item.
    int length(int index) const { return valid(index) ? int(at(index).size()) : -1; }
    // Copies the item's text with its NUL into `buffer`, which holds length(index) + 1 bytes;
    // returns the length, or -1 when there is no such item or no buffer.
    int copy(int index, char* buffer) const;

    // The selected item; -1: none.
    int selection() const { return selected_; }
    // Selects an item, or none (-1); false, with nothing changed, for any other index.
    bool setSelection(int index) {
        if (index < -1 || index >= count())
            return false;
        selected_ = index;
        return true;
    }
    // Selects an item; false when it is selected already or there is no such item.
    bool moveSelection(int index) {
        if (index == selected_ || !valid(index))
            return false;
        selected_ = index;
        return true;
    }

    // The first item after `start` (-1: from the first), wrapping round, that begins with the
    // text (prefix) or equals it (exact), without case; -1 when none.
    int find(int start, std::string_view text, bool exact) const;
    // The same for a text a message passes, which may be missing: nullptr finds nothing.
    int find(int start, const char* text, bool exact) const {
        return text ? find(start, std::string_view(text), exact) : -1;
    }
    // The item a typed character chooses: the next after the selection that begins with it,
    // without case; -1 when none, and for a control character.
    int findTyped(char c) const;
    // Where a navigation key (a VK_ code) moves the selection: the arrows by one item, Home and
    // End to either end, Page Up and Page Down by `page` items less one (0: they move nothing).
    // From no selection an arrow goes to the first item. -1 when the key moves nothing or the
    // list is empty.
    int navigate(unsigned key, int page) const;

  private:
    struct Item {
        size_t offset; // in chars_
        size_t length;
    };
    // Stores a text after the others: the items' texts are in the order they came, the items
    // in list order. A removed item's text stays until the list is cleared or compacted.
    Item store(std::string_view text);
    void compact();

    std::vector<char> chars_; // the texts, each followed by a NUL
    std::vector<Item> items_;
    size_t live_ = 0; // bytes of chars_ that items still use
    int selected_ = -1;
};

} // namespace portable
