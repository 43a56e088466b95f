#include "platform/dialog_template.h"

namespace platform {
namespace {

// Appends the little-endian fields of a template; strings become NUL-terminated UTF-16.
class Writer {
  public:
    explicit Writer(std::vector<BYTE>& out) : out_(out) {}

    void word(WORD w) {
        out_.push_back(static_cast<BYTE>(w & 0xff));
        out_.push_back(static_cast<BYTE>(w >> 8));
    }
    void dword(DWORD d) {
        word(static_cast<WORD>(d & 0xffff));
        word(static_cast<WORD>(d >> 16));
    }
    void coord(short s) { word(static_cast<WORD>(s)); }

    // Dialog texts are 8-bit; each byte is taken as the code point of the same value.
    void text(const std::string& s) {
        for (char c : s)
            word(static_cast<unsigned char>(c));
        word(0);
    }
    // An ordinal: 0xFFFF followed by the atom or id.
    void ordinal(WORD value) {
        word(0xFFFF);
        word(value);
    }
    // Items start on DWORD boundaries.
    void alignDword() {
        while (out_.size() % 4 != 0)
            out_.push_back(0);
    }

  private:
    std::vector<BYTE>& out_;
};

} // namespace

DialogTemplate::DialogTemplate(DWORD style, const char* caption, short x, short y, short cx,
                               short cy)
    : style_(style), caption_(caption ? caption : ""), x_(x), y_(y), cx_(cx), cy_(cy) {}

void DialogTemplate::setFont(WORD pointSize, const char* face) {
    pointSize_ = pointSize;
    face_ = face ? face : "";
    style_ |= DS_SETFONT;
}

void DialogTemplate::addItem(ClassAtom atom, const char* text, int id, DWORD style, short x,
                             short y, short cx, short cy) {
    items_.push_back({atom, {}, text ? text : "", static_cast<WORD>(id), style, x, y, cx, cy});
}

void DialogTemplate::addItem(const char* className, const char* text, int id, DWORD style, short x,
                             short y, short cx, short cy) {
    items_.push_back({0, className ? className : "", text ? text : "", static_cast<WORD>(id), style,
                      x, y, cx, cy});
}

std::vector<BYTE> DialogTemplate::bytes() const {
    std::vector<BYTE> out;
    Writer w(out);
    w.dword(style_);
    w.dword(0); // extended style
    w.word(static_cast<WORD>(items_.size()));
    w.coord(x_);
    w.coord(y_);
    w.coord(cx_);
    w.coord(cy_);
    w.word(0); // no menu
    w.word(0); // the dialog class
    w.text(caption_);
    if (style_ & DS_SETFONT) {
        w.word(pointSize_);
        w.text(face_);
    }
    for (const Item& item : items_) {
        w.alignDword();
        w.dword(item.style);
        w.dword(0); // extended style
        w.coord(item.x);
        w.coord(item.y);
        w.coord(item.cx);
        w.coord(item.cy);
        w.word(item.id);
        if (item.atom != 0)
            w.ordinal(item.atom);
        else
            w.text(item.className);
        w.text(item.text);
        w.word(0); // no creation data
    }
    return out;
}

} // namespace platform
