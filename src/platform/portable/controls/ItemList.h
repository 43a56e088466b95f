// ItemList: the strings of a list box or of a combo box's list, in the order the control keeps
// them, with the searches both controls offer.
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
    // Appends, or inserts in collation order when sorted; returns the index.
    int add(std::string_view text, bool sorted);
    // Inserts at index (-1: at the end); -1 when the index is past the end.
    int insert(int index, std::string_view text);
    bool remove(int index);
    // Keeps the memory: a list refilled after clearing makes no allocations.
    void clear() {
        items_.clear();
        chars_.clear();
        live_ = 0;
    }

    int count() const { return int(items_.size()); }
    bool valid(int index) const { return index >= 0 && index < count(); }
    // The item's text, followed by a NUL; valid until the list changes.
    std::string_view at(int index) const {
        const Item& item = items_[size_t(index)];
        return std::string_view(chars_.data() + item.offset, item.length);
    }

    // The first item after `start` (-1: from the first), wrapping round, that begins with the
    // text (prefix) or equals it (exact), without case; -1 when none.
    int find(int start, std::string_view text, bool exact) const;

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
};

} // namespace portable
