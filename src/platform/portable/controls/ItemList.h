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
    void clear() { items_.clear(); }

    int count() const { return int(items_.size()); }
    bool valid(int index) const { return index >= 0 && index < count(); }
    const std::string& at(int index) const { return items_[size_t(index)]; }

    // The first item after `start` (-1: from the first), wrapping round, that begins with the
    // text (prefix) or equals it (exact), without case; -1 when none.
    int find(int start, std::string_view text, bool exact) const;

  private:
    std::vector<std::string> items_;
};

} // namespace portable
