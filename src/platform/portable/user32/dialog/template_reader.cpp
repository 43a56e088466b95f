#include "platform/portable/user32/dialog/template_reader.h"

#include <cstring>
#include <utility>

namespace portable {

namespace {
// Reads WORDs with bounds checks; every failure leaves ok false.
class Cursor {
  public:
    Cursor(const BYTE* data, size_t size) : data_(data), size_(size) {}

    bool ok = true;

    WORD word() {
        if (pos_ + 2 > size_) {
            ok = false;
            return 0;
        }
        WORD value;
        std::memcpy(&value, data_ + pos_, 2);
        pos_ += 2;
        return value;
    }
    DWORD dword() {
        DWORD low = word();
        return low | (DWORD(word()) << 16);
    }
    short shortValue() { return short(word()); }

    // A UTF-16 string, kept as 8-bit text (characters above 0xFF become '?').
    std::string string() {
        size_t length = 0;
        while (pos_ + 2 * length + 2 <= size_ && at(pos_ + 2 * length) != 0)
            ++length;
        std::string text(length, '\0');
        for (char& c : text) {
            WORD unit = word();
            c = unit < 0x100 ? char(unit) : '?';
        }
        word(); // the terminator; ok turns false when the bytes end before it
        return text;
    }
    // sz_Or_Ord: 0 (none), 0xFFFF + ordinal, or a string.
    std::string stringOrOrdinal(WORD& ordinal) {
        ordinal = 0;
        WORD first = word();
        if (first == 0)
            return {};
        if (first == 0xFFFF) {
            ordinal = word();
            return {};
        }
        pos_ -= 2;
        return string();
    }
    void alignDword() { pos_ = (pos_ + 3) & ~size_t(3); }
    void skip(size_t bytes) {
        if (pos_ + bytes > size_)
            ok = false;
        pos_ += bytes;
    }

  private:
    WORD at(size_t pos) const {
        WORD value;
        std::memcpy(&value, data_ + pos, 2);
        return value;
    }

    const BYTE* data_;
    size_t size_;
    size_t pos_ = 0;
};

std::string predefinedClass(WORD atom) {
    switch (atom) {
    case 0x0080:
        return "Button";
    case 0x0081:
        return "Edit";
    case 0x0082:
        return "Static";
    case 0x0083:
        return "ListBox";
    case 0x0084:
        return "ScrollBar";
    case 0x0085:
        return "ComboBox";
    default:
        return {};
    }
}

RECT rectOf(short x, short y, short cx, short cy) {
    return RECT{x, y, x + cx, y + cy};
}
} // namespace

bool readTemplate(const void* data, size_t size, DialogDescription& out) {
    if (!data)
        return false;
    Cursor in(static_cast<const BYTE*>(data), size);
    out = DialogDescription{};
    out.style = in.dword();
    if (in.ok && (out.style >> 16) == 0xFFFF)
        return false; // the extended format is not used by this system's resources
    out.exStyle = in.dword();
    WORD count = in.word();
    short x = in.shortValue(), y = in.shortValue(), cx = in.shortValue(), cy = in.shortValue();
    out.rect = rectOf(x, y, cx, cy);
    WORD ordinal;
    in.stringOrOrdinal(ordinal); // menu
    in.stringOrOrdinal(ordinal); // class
    out.caption = in.string();
    if (out.style & DS_SETFONT) {
        in.word(); // point size
        in.string();
    }
    out.items.reserve(count < 256 ? count : 256); // a count read from bad bytes may be huge
    for (WORD i = 0; i < count && in.ok; ++i) {
        in.alignDword();
        ItemDescription item;
        item.style = in.dword();
        item.exStyle = in.dword();
        x = in.shortValue(), y = in.shortValue(), cx = in.shortValue(), cy = in.shortValue();
        item.rect = rectOf(x, y, cx, cy);
        item.id = in.word();
        WORD atom;
        item.className = in.stringOrOrdinal(atom);
        if (atom)
            item.className = predefinedClass(atom);
        item.text = in.stringOrOrdinal(ordinal);
        in.skip(in.word()); // creation data
        if (item.className.empty())
            return false;
        out.items.push_back(std::move(item));
    }
    return in.ok;
}

} // namespace portable
