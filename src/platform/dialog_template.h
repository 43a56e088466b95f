// DialogTemplate: builds the binary DLGTEMPLATE that CreateDialogIndirectParamA and
// DialogBoxIndirectParamA take, from a description in dialog units. The portable build keeps
// its dialog resources in this form, and tests make their dialogs with it on both platforms.
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

namespace platform {

class DialogTemplate {
  public:
    // The predefined control classes, named in a template by their atom.
    enum ClassAtom : WORD {
        Button = 0x0080,
        Edit = 0x0081,
        Static = 0x0082,
        ListBox = 0x0083,
        ScrollBar = 0x0084,
        ComboBox = 0x0085,
    };

    DialogTemplate(DWORD style, const char* caption, short x, short y, short cx, short cy);

    // Adds DS_SETFONT to the dialog's style.
    void setFont(WORD pointSize, const char* face);

    // An item of a predefined class, or of a class given by name ("msctls_updown32").
    void addItem(ClassAtom atom, const char* text, int id, DWORD style, short x, short y, short cx,
                 short cy);
    void addItem(const char* className, const char* text, int id, DWORD style, short x, short y,
                 short cx, short cy);

    // The template bytes; the storage of a std::vector is aligned for any DWORD access.
    std::vector<BYTE> bytes() const;

  private:
    struct Item {
        WORD atom;             // predefined class, or 0 when className names it
        std::string className; // used when atom is 0
        std::string text;
        WORD id;
        DWORD style;
        short x, y, cx, cy;
    };

    DWORD style_;
    std::string caption_;
    short x_, y_, cx_, cy_;
    WORD pointSize_ = 0;
    std::string face_; // empty: no font
    std::vector<Item> items_;
};

} // namespace platform
