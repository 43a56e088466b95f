// Palette: the attributes each role is drawn with. In colour, a classic dialog: grey faces, a
// blue title bar and selection, white fields on terminals of 16 colours (cyan on 8). Without
// colours, or when NO_COLOR is set, reverse video, bold and dim keep it readable.
#pragma once

#include "cell_canvas.h"

#include <curses.h>

namespace terminal {

class Palette {
  public:
    // Whether to draw in colour: the terminal has colours and NO_COLOR is unset or empty.
    static bool coloursWanted(bool terminalHasColours, const char* noColor);

    // Sets up the colour pairs (after start_color) or the monochrome attributes.
    void setUp(bool colours);
    chtype attributes(Role role) const;
    bool colours() const { return colours_; }

  private:
    static chtype monochrome(Role role);

    bool colours_ = false;
};

} // namespace terminal
