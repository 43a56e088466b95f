#include "platform/portable/user32/controls/item_list.h"

#include "platform/portable/win32_user.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>
#include <strings.h>

namespace portable {

namespace {
// Word sort ignores these inside words.
bool ignored(unsigned char c) {
    return c == '-' || c == '\'';
}

// Blanks, then punctuation, then digits, then letters.
int group(unsigned char c) {
    if (std::isspace(c) || c == 0xA0)
        return 0;
    if (std::isdigit(c))
        return 2;
    if (std::isalpha(c) || c >= 0x80)
        return 3;
    return 1;
}

int weigh(unsigned char a, unsigned char b) {
    int ga = group(a), gb = group(b);
    if (ga != gb)
        return ga < gb ? -1 : 1;
    int la = std::tolower(a), lb = std::tolower(b);
    return la == lb ? 0 : (la < lb ? -1 : 1);
}
} // namespace

int collate(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    for (;;) {
        while (i < a.size() && ignored(static_cast<unsigned char>(a[i])))
            ++i;
        while (j < b.size() && ignored(static_cast<unsigned char>(b[j])))
            ++j;
        if (i == a.size() || j == b.size())
            break;
        if (int w = weigh(static_cast<unsigned char>(a[i]), static_cast<unsigned char>(b[j])))
            return w;
        ++i;
        ++j;
    }
    bool aDone = i == a.size(), bDone = j == b.size();
    if (aDone && bDone)
        return 0;
    return aDone ? -1 : 1;
}

ItemList::Item ItemList::store(std::string_view text) {
    std::less<const char*> before;
    if (!chars_.empty() && !before(text.data(), chars_.data()) &&
        before(text.data(), chars_.data() + chars_.size()))
        return store(std::string(text)); // the text is one of ours, which growing may move
    if (chars_.capacity() == 0) {
        // Room for a usual list at once, rather than growing item by item.
        chars_.reserve(256);
        items_.reserve(16);
    }
    Item item{chars_.size(), text.size()};
    chars_.resize(item.offset + text.size() + 1);
    if (!text.empty()) // an empty view may have no data at all
        std::memcpy(chars_.data() + item.offset, text.data(), text.size());
    chars_.back() = '\0';
    live_ += text.size() + 1;
    return item;
}

void ItemList::compact() {
    std::vector<char> chars;
    chars.reserve(live_);
    for (Item& item : items_) {
        const char* text = chars_.data() + item.offset;
        item.offset = chars.size();
        chars.insert(chars.end(), text, text + item.length + 1);
    }
    chars_.swap(chars);
}

int ItemList::add(std::string_view text, bool sorted) {
    size_t index = items_.size();
    if (sorted) {
        index = 0;
        while (index < items_.size() && collate(at(int(index)), text) <= 0)
            ++index;
    }
    Item item = store(text); // before taking a place in items_, which storing may move
    items_.insert(items_.begin() + long(index), item);
    if (selected_ >= int(index))
        ++selected_;
    return int(index);
}

int ItemList::insert(int index, std::string_view text) {
    if (index < 0)
        index = count();
    if (index > count())
        return -1;
    Item item = store(text);
    items_.insert(items_.begin() + index, item);
    if (selected_ >= index)
        ++selected_;
    return index;
}

bool ItemList::remove(int index) {
    if (!valid(index))
        return false;
    live_ -= items_[size_t(index)].length + 1;
    items_.erase(items_.begin() + index);
    if (chars_.size() > 2 * live_ + 256)
        compact();
    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
    return true;
}

int ItemList::copy(int index, char* buffer) const {
    if (!valid(index) || !buffer)
        return -1;
    std::string_view text = at(index);
    std::memcpy(buffer, text.data(), text.size() + 1); // with the NUL that follows it
    return int(text.size());
}

int ItemList::find(int start, std::string_view text, bool exact) const {
    int n = count();
    if (n == 0 || (!exact && text.empty())) // the empty prefix matches nothing
        return -1;
    int first = (start < 0 || start >= n) ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        int index = (first + k) % n;
        std::string_view item = at(index);
        // Folding keeps the length, so an item of another length can never match.
        if (exact ? item.size() != text.size() : item.size() < text.size())
            continue;
        if (strncasecmp(item.data(), text.data(), text.size()) == 0)
            return index;
    }
    return -1;
}

int ItemList::findTyped(char c) const {
    if (static_cast<unsigned char>(c) < 0x20)
        return -1;
    return find(selected_, std::string_view(&c, 1), false);
}

int ItemList::navigate(unsigned key, int page) const {
    int last = count() - 1;
    if (last < 0)
        return -1;
    int from = std::max(selected_, 0);
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        return selected_ < 0 ? 0 : std::max(0, from - 1);
    case VK_DOWN:
    case VK_RIGHT:
        return selected_ < 0 ? 0 : std::min(last, from + 1);
    case VK_HOME:
        return 0;
    case VK_END:
        return last;
    case VK_PRIOR:
        return page > 0 ? std::max(0, from - page + 1) : -1;
    case VK_NEXT:
        return page > 0 ? std::min(last, from + page - 1) : -1;
    default:
        return -1;
    }
}

} // namespace portable
