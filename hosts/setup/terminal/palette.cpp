#include "palette.h"

namespace terminal {

namespace {
struct ColourPair {
    Role role;
    short foreground;
    short background;
    chtype extra;
};
} // namespace

bool Palette::coloursWanted(bool terminalHasColours, const char* noColor) {
    return terminalHasColours && (noColor == nullptr || *noColor == '\0');
}

void Palette::setUp(bool colours) {
    colours_ = colours;
    if (!colours)
        return;
    const bool bright = COLORS >= 16;
    const short grey = COLOR_WHITE;
    const short paper = bright ? short(COLOR_WHITE + 8) : short(COLOR_CYAN);
    const short shade = bright ? short(COLOR_BLACK + 8) : short(COLOR_BLACK);
    const ColourPair pairs[] = {
        {Role::Desktop, COLOR_WHITE, COLOR_CYAN, 0}, {Role::Face, COLOR_BLACK, grey, 0},
        {Role::Frame, COLOR_BLACK, grey, 0},         {Role::Caption, COLOR_WHITE, COLOR_BLUE, 0},
        {Role::CaptionInactive, grey, shade, 0},     {Role::Disabled, shade, grey, 0},
        {Role::Field, COLOR_BLACK, paper, 0},        {Role::Focus, COLOR_WHITE, COLOR_BLUE, 0},
        {Role::Selection, COLOR_BLACK, grey, 0},     {Role::Button, COLOR_BLACK, grey, 0},
        {Role::DropList, COLOR_BLACK, paper, 0},     {Role::Hint, COLOR_BLACK, COLOR_CYAN, 0},
        {Role::Message, COLOR_WHITE, COLOR_BLUE, 0},
    };
    for (const ColourPair& pair : pairs)
        init_pair(short(int(pair.role) + 1), pair.foreground, pair.background);
}

chtype Palette::attributes(Role role) const {
    if (!colours_)
        return monochrome(role);
    chtype bold = 0;
    if (role == Role::Caption || role == Role::Focus || role == Role::Message)
        bold = A_BOLD;
    if (role == Role::Disabled && COLORS < 16)
        bold = A_BOLD; // bright black: grey on most 8-colour terminals
    return chtype(COLOR_PAIR(int(role) + 1)) | bold;
}

chtype Palette::monochrome(Role role) {
    switch (role) {
    case Role::Caption:
    case Role::Focus:
        return A_REVERSE | A_BOLD;
    case Role::CaptionInactive:
    case Role::Hint:
        return A_REVERSE;
    case Role::Selection:
        return A_UNDERLINE;
    case Role::Disabled:
        return A_DIM;
    case Role::Message:
        return A_BOLD;
    default:
        return A_NORMAL;
    }
}

} // namespace terminal
