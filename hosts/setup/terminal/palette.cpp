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
        {Role::kDesktop, COLOR_WHITE, COLOR_CYAN, 0}, {Role::kFace, COLOR_BLACK, grey, 0},
        {Role::kFrame, COLOR_BLACK, grey, 0},         {Role::kCaption, COLOR_WHITE, COLOR_BLUE, 0},
        {Role::kCaptionInactive, grey, shade, 0},     {Role::kDisabled, shade, grey, 0},
        {Role::kField, COLOR_BLACK, paper, 0},        {Role::kFocus, COLOR_WHITE, COLOR_BLUE, 0},
        {Role::kSelection, COLOR_BLACK, grey, 0},     {Role::kButton, COLOR_BLACK, grey, 0},
        {Role::kDropList, COLOR_BLACK, paper, 0},     {Role::kHint, COLOR_BLACK, COLOR_CYAN, 0},
        {Role::kMessage, COLOR_WHITE, COLOR_BLUE, 0},
    };
    for (const ColourPair& pair : pairs)
        init_pair(short(int(pair.role) + 1), pair.foreground, pair.background);
}

chtype Palette::attributes(Role role) const {
    if (!colours_)
        return monochrome(role);
    chtype bold = 0;
    if (role == Role::kCaption || role == Role::kFocus || role == Role::kMessage)
        bold = A_BOLD;
    if (role == Role::kDisabled && COLORS < 16)
        bold = A_BOLD; // bright black: grey on most 8-colour terminals
    return chtype(COLOR_PAIR(int(role) + 1)) | bold;
}

chtype Palette::monochrome(Role role) {
    switch (role) {
    case Role::kCaption:
    case Role::kFocus:
        return A_REVERSE | A_BOLD;
    case Role::kCaptionInactive:
    case Role::kHint:
        return A_REVERSE;
    case Role::kSelection:
        return A_UNDERLINE;
    case Role::kDisabled:
        return A_DIM;
    case Role::kMessage:
        return A_BOLD;
    default:
        return A_NORMAL;
    }
}

} // namespace terminal
